#include "host/input/answers.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/form.h"
#include "host/dcl/runtime.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"
#include "host/win/answers.h"

#include <algorithm>
#include <array>

namespace vma::input {
namespace {

constexpr std::wstring_view kDialog = L"#dlg";
constexpr std::wstring_view kBox = L"#box";
constexpr std::array<std::wstring_view, 7> kButtons = {L"OK",    L"CANCEL", L"YES",   L"NO",
                                                       L"ABORT", L"RETRY",  L"IGNORE"};

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

std::wstring_view trim(std::wstring_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Whether line is the word prefix alone or followed by a blank.
bool startsWithWord(std::wstring_view line, std::wstring_view prefix) {
    line = trim(line);
    return line.substr(0, prefix.size()) == prefix &&
           (line.size() == prefix.size() || isBlank(line[prefix.size()]));
}

bool isButton(std::wstring_view name) {
    std::wstring upper = upperName(name);
    return std::find(kButtons.begin(), kButtons.end(), upper) != kButtons.end();
}

ErrorOr<void> queueButton(std::wstring_view line) {
    std::wstring_view name = trim(trim(line).substr(kBox.size()));
    if (name.empty())
        return Error{"#box: a button name is missing (ok, cancel, yes, no, abort, retry, ignore)"};
    if (!isButton(name))
        return Error{"#box: unknown button \"" + wideToUtf8(name) +
                     "\" (ok, cancel, yes, no, abort, retry, ignore)"};
    win::MessageBoxAnswers::get().push(std::wstring(name));
    return {};
}

void complain(const Error& error) {
    say(L"; error: " + utf8ToWide(error.message) + L"\n");
}

// A person at the terminal answers the dialog: the form, then "Dialog>" until
// a valid action is typed; "#dlg" in front is optional, an empty line shows
// the form again.
bool askPerson(const dcl::Dialog& dialog, InputSource& source) {
    for (;;) {
        say(utf8ToWide(dcl::formText(dialog)));
        for (;;) {
            auto line = source.answerLine(L"Dialog> ");
            if (!line)
                return false;
            std::wstring_view typed = trim(*line);
            if (typed.empty())
                break;
            std::wstring directive = startsWithWord(typed, kDialog) || startsWithWord(typed, kBox)
                                         ? std::wstring(typed)
                                         : std::wstring(kDialog) + L" " + std::wstring(typed);
            if (auto queued = queueAnswer(directive); !queued) {
                complain(queued.error());
                continue;
            }
            if (!dcl::Runtime::get().answers().empty())
                return true;
        }
    }
}

// Script lines after the one that opened the dialog, while they are answer lines.
bool dialogAnswer(const dcl::Dialog& dialog) {
    InputSource* source = Engine::get().lineSource();
    if (!source)
        return false;
    if (source->interactive())
        return askPerson(dialog, *source);
    while (auto line = source->answerLine({})) {
        if (auto queued = queueAnswer(*line); !queued)
            complain(queued.error());
        if (!dcl::Runtime::get().answers().empty())
            return true;
    }
    return false;
}

std::wstring buttonList(const std::vector<std::wstring>& buttons) {
    std::wstring out;
    for (const auto& b : buttons)
        out += (out.empty() ? L"" : L", ") + b;
    return out;
}

std::optional<std::wstring> personsButton(const std::vector<std::wstring>& buttons,
                                          InputSource& source) {
    for (;;) {
        auto line = source.answerLine(L"Button> ");
        if (!line)
            return std::nullopt;
        std::wstring_view typed = trim(*line);
        if (startsWithWord(typed, kBox))
            typed = trim(typed.substr(kBox.size()));
        for (const auto& b : buttons)
            if (upperName(b) == upperName(typed))
                return b;
        say(L"Choose one of: " + buttonList(buttons) + L"\n");
    }
}

std::optional<std::wstring> boxAnswer(const std::vector<std::wstring>& buttons) {
    InputSource* source = Engine::get().lineSource();
    if (!source)
        return std::nullopt;
    if (source->interactive())
        return personsButton(buttons, *source);
    auto& queue = win::MessageBoxAnswers::get();
    while (auto line = source->answerLine({})) {
        if (auto queued = queueAnswer(*line); !queued)
            complain(queued.error());
        if (!queue.empty())
            return queue.pop();
    }
    return std::nullopt;
}

} // namespace

bool isAnswerLine(std::wstring_view line) {
    return startsWithWord(line, kDialog) || startsWithWord(line, kBox);
}

ErrorOr<void> queueAnswer(std::wstring_view line) {
    if (startsWithWord(line, kBox))
        return queueButton(line);
    VMA_TRY_ASSIGN(dcl::Action action, dcl::parseDirective(wideToUtf8(line)));
    dcl::Runtime::get().answers().push(std::move(action));
    return {};
}

void connectAnswers() {
    dcl::Runtime::get().setAnswerSource(dialogAnswer);
    win::MessageBoxAnswers::get().setSource(boxAnswer);
}

} // namespace vma::input
