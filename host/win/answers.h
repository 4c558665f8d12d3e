// Answers for message boxes. No one sits at this host's screen: the script
// engine and the test driver queue the buttons to press ("OK", "Cancel",
// "Yes", "No", "Abort", "Retry", "Ignore", any case) and each MessageBoxW
// takes the first one.
#pragma once

#include <deque>
#include <optional>
#include <string>

namespace vma::win {

class MessageBoxAnswers {
public:
    static MessageBoxAnswers& get();

    void push(std::wstring button) { queue_.push_back(std::move(button)); }
    std::optional<std::wstring> pop();
    bool empty() const { return queue_.empty(); }
    void clear() { queue_.clear(); }

private:
    MessageBoxAnswers() = default;
    std::deque<std::wstring> queue_;
};

} // namespace vma::win
