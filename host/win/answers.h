// Answers for message boxes. No one sits at this host's screen: the script
// engine and the test driver queue the buttons to press ("OK", "Cancel",
// "Yes", "No", "Abort", "Retry", "Ignore", any case) and each MessageBoxW
// takes the first one. With none queued the source is asked (the script
// read on, or the person at the terminal).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vma::win {

class MessageBoxAnswers {
public:
    static MessageBoxAnswers& get();

    // The button to press among those the box has, or nullopt for none.
    using Source = std::function<std::optional<std::wstring>(const std::vector<std::wstring>&)>;

    void push(std::wstring button) { queue_.push_back(std::move(button)); }
    std::optional<std::wstring> pop();
    // The first queued answer, else what the source gives for these buttons.
    std::optional<std::wstring> next(const std::vector<std::wstring>& buttons);
    void setSource(Source source) { source_ = std::move(source); }
    bool empty() const { return queue_.empty(); }
    void clear() { queue_.clear(); }

private:
    MessageBoxAnswers() = default;
    std::deque<std::wstring> queue_;
    Source source_;
};

} // namespace vma::win
