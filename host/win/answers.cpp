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

std::optional<std::wstring> MessageBoxAnswers::next(const std::vector<std::wstring>& buttons) {
    if (!queue_.empty() || !source_)
        return pop();
    return source_(buttons);
}

} // namespace vma::win
