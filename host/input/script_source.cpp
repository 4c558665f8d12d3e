#include "host/input/script_source.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/input/engine.h"

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

std::optional<InputEvent> ScriptSource::next(const Request& request) {
    for (;;) {
        skipComments();
        if (atEnd())
            return std::nullopt;
        if (text_[pos_] != L'(')
            return InputEvent::typed(token(request.blanks));
        auto expr = expression();
        if (!expr)
            return std::nullopt;
        const LispHook& hook = Engine::get().lispHook();
        if (!hook) {
            host::Session::get().print(L"\n; error: no AutoLISP evaluator for " + *expr + L"\n");
            continue;
        }
        auto result = hook(*expr);
        if (!result.ok()) {
            host::Session::get().print(L"\n; error: " + utf8ToWide(result.error().message) + L"\n");
            continue;
        }
        if (result.value() && !request.commandPrompt)
            return InputEvent::typed(*result.value());
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
