// Answers read from script text by AutoCAD's script rules: an answer ends at
// a blank or a line end, so an empty line or a lone blank is Enter; a prompt
// that takes blanks gets the rest of the line; a ";" line is a comment; an
// answer starting with "(" is an AutoLISP expression, up to its closing
// parenthesis, handed to the engine's hook; a line starting with "#dlg" or
// "#box" answers a dialog or message box (host/input/answers.h). The
// terminal is the same reader fed one line at a time from a stream.
#pragma once

#include "host/input/event.h"

#include <functional>
#include <istream>
#include <memory>
#include <string>

namespace vma::input {

class ScriptSource : public InputSource {
public:
    // refill appends more text (one line with its end) and returns false at the end.
    using Refill = std::function<bool(std::wstring&)>;

    explicit ScriptSource(std::wstring text, Refill refill = {}, bool echo = true);
    std::optional<InputEvent> next(const Request& request) override;
    bool echoes() const override { return echo_; }
    bool interactive() const override { return !echo_; }
    bool readsLines() const override { return true; }
    std::optional<std::wstring> answerLine(std::wstring_view prompt) override;

    // The line (from 1) where an AutoLISP expression left open at the end of
    // the text starts; 0 when none is.
    long unbalancedLine() const { return unbalancedLine_; }

private:
    bool more();
    bool atEnd();
    void skipComments();
    bool atLineStart() const { return pos_ == 0 || text_[pos_ - 1] == L'\n'; }
    // The end of the line at pos_ (its line end or the end of the text), refilling as needed.
    size_t lineEnd();
    std::wstring takeLine();
    bool routeAnswerLine();
    std::optional<InputEvent> evaluate(const std::wstring& expression, const Request& request);
    std::wstring token(bool blanks);
    std::optional<std::wstring> expression();

    std::wstring text_;
    size_t pos_ = 0;
    Refill refill_;
    bool echo_;
    long unbalancedLine_ = 0;
};

// The terminal: lines read from in as they are needed; nothing is echoed.
std::unique_ptr<ScriptSource> terminalSource(std::istream& in);

} // namespace vma::input
