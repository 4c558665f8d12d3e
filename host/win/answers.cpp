#include "host/win/answers.h"

namespace vma::win {

MessageBoxAnswers& MessageBoxAnswers::get() {
    static MessageBoxAnswers answers;
    return answers;
}

std::optional<std::wstring> MessageBoxAnswers::pop() {
    if (queue_.empty())
        return std::nullopt;
    std::wstring answer = std::move(queue_.front());
    queue_.pop_front();
    return answer;
}

} // namespace vma::win
