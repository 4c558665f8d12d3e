#include "host/input/script_source.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/input/answers.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace vma::input {
namespace {

bool endsAnswer(wchar_t c) {
    return c == L' ' || c == L'\n' || c == L'\t';
}

} // namespace

ScriptSource::ScriptSource(std::wstring text, Refill refill, bool echo)
    : text_(std::move(text)), refill_(std::move(refill)), echo_(echo) {
    std::erase(text_, L'\r');
}

bool ScriptSource::more() {
    if (!refill_)
        return false;
    std::wstring line;
    if (!refill_(line))
        return false;
    std::erase(line, L'\r');
    text_.erase(0, pos_);
    pos_ = 0;
    text_ += line;
    return true;
}

bool ScriptSource::atEnd() {
    return pos_ >= text_.size() && !more();
}

void ScriptSource::skipComments() {
    while (!atEnd() && (pos_ == 0 || text_[pos_ - 1] == L'\n') && text_[pos_] == L';') {
        size_t end = text_.find(L'\n', pos_);
        while (end == std::wstring::npos && more())
            end = text_.find(L'\n', pos_);
        pos_ = end == std::wstring::npos ? text_.size() : end + 1;
    }
}

size_t ScriptSource::lineEnd() {
    size_t end = text_.find(L'\n', pos_);
    while (end == std::wstring::npos && more())
        end = text_.find(L'\n', pos_);
    return end == std::wstring::npos ? text_.size() : end;
}

std::wstring ScriptSource::takeLine() {
    size_t end = lineEnd();
    std::wstring line = text_.substr(pos_, end - pos_);
    pos_ = std::min(end + 1, text_.size());
    return line;
}

bool ScriptSource::routeAnswerLine() {
    if (!atLineStart() || atEnd())
        return false;
    size_t end = lineEnd();
    if (!isAnswerLine(std::wstring_view(text_).substr(pos_, end - pos_)))
        return false;
    if (auto queued = queueAnswer(takeLine()); !queued)
        say(L"; error: " + utf8ToWide(queued.error().message) + L"\n");
    return true;
}

std::optional<std::wstring> ScriptSource::answerLine(std::wstring_view prompt) {
    if (interactive()) {
        say(prompt);
        if (atEnd())
            return std::nullopt;
        return takeLine();
    }
    skipComments();
    if (!atLineStart() || atEnd())
        return std::nullopt;
    size_t end = lineEnd();
    if (!isAnswerLine(std::wstring_view(text_).substr(pos_, end - pos_)))
        return std::nullopt;
    return takeLine();
}

std::wstring ScriptSource::token(bool blanks) {
    std::wstring out;
    while (!atEnd()) {
        wchar_t c = text_[pos_++];
        if (c == L'\n' || (!blanks && endsAnswer(c)))
            return out;
        out += c;
    }
    return out;
}

std::optional<std::wstring> ScriptSource::expression() {
    size_t start = pos_;
    std::wstring out;
    int depth = 0;
    bool quoted = false;
    while (!atEnd()) {
        wchar_t c = text_[pos_++];
        out += c;
        if (quoted && c == L'\\' && pos_ < text_.size()) {
            out += text_[pos_++];
            continue;
        }
        if (c == L'"')
            quoted = !quoted;
        if (quoted)
            continue;
        depth += c == L'(' ? 1 : c == L')' ? -1 : 0;
        if (depth == 0) {
            if (pos_ < text_.size() && endsAnswer(text_[pos_]))
                ++pos_;
            return out;
        }
    }
    unbalancedLine_ = 1 + static_cast<long>(std::count(
                              text_.begin(), text_.begin() + static_cast<long>(start), L'\n'));
    return std::nullopt;
}

// At the command prompt the expression (from a script) and its value are
// shown, as the command line does; at another prompt the value is the answer.
std::optional<InputEvent> ScriptSource::evaluate(const std::wstring& expression,
                                                 const Request& request) {
    const LispHook& hook = Engine::get().lispHook();
    if (!hook) {
        say(L"\n; error: no AutoLISP evaluator for " + expression + L"\n");
        return std::nullopt;
    }
    if (request.commandPrompt && echo_)
        say(expression + L"\n");
    auto result = hook(expression);
    if (!result.ok()) {
        say(L"\n; error: " + utf8ToWide(result.error().message) + L"\n");
        return std::nullopt;
    }
    if (!request.commandPrompt)
        return result->typed ? std::optional(InputEvent::typed(*result->typed)) : std::nullopt;
    if (!result->shown.empty())
        say(result->shown + L"\n");
    say(kCommandPrompt);
    return std::nullopt;
}

std::optional<InputEvent> ScriptSource::next(const Request& request) {
    for (;;) {
        skipComments();
        if (routeAnswerLine())
            continue;
        if (atEnd())
            return std::nullopt;
        if (text_[pos_] != L'(')
            return InputEvent::typed(token(request.blanks));
        auto expr = expression();
        if (!expr)
            return std::nullopt;
        if (auto typed = evaluate(*expr, request))
            return typed;
    }
}

std::unique_ptr<ScriptSource> terminalSource(std::istream& in) {
    auto refill = [&in](std::wstring& out) {
        std::fflush(stdout); // the prompt has no line end yet
        std::string line;
        if (!std::getline(in, line))
            return false;
        out = utf8ToWide(line) + L"\n";
        return true;
    };
    return std::make_unique<ScriptSource>(std::wstring(), refill, false);
}

} // namespace vma::input
