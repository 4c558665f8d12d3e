// MessageBoxW and WinHelpW: what a user would see goes to the transcript.
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/win/answers.h"
#include "windows.h"

#include <string>
#include <vector>

namespace {

struct Button {
    const wchar_t* label;
    int id;
};

std::vector<Button> buttons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{L"OK", IDOK}, {L"Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{L"Abort", IDABORT}, {L"Retry", IDRETRY}, {L"Ignore", IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{L"Yes", IDYES}, {L"No", IDNO}, {L"Cancel", IDCANCEL}};
    case MB_YESNO:
        return {{L"Yes", IDYES}, {L"No", IDNO}};
    case MB_RETRYCANCEL:
        return {{L"Retry", IDRETRY}, {L"Cancel", IDCANCEL}};
    default:
        return {{L"OK", IDOK}};
    }
}

// The default button; one past the last counts as the first, as Windows does.
const Button& defaultButton(const std::vector<Button>& list, UINT type) {
    size_t index = (type & MB_DEFMASK) >> 8;
    return index < list.size() ? list[index] : list.front();
}

const Button* named(const std::vector<Button>& list, const std::wstring& answer) {
    for (const Button& button : list)
        if (vma::upperName(std::wstring_view(button.label)) ==
            vma::upperName(std::wstring_view(answer)))
            return &button;
    return nullptr;
}

std::wstring helpCommand(UINT command, ULONG_PTR data) {
    switch (command) {
    case HELP_CONTEXT:
        return L"context " + std::to_wstring(data);
    case HELP_QUIT:
        return L"quit";
    case HELP_CONTENTS:
        return L"contents";
    case HELP_HELPONHELP:
        return L"help on help";
    case HELP_FINDER:
        return L"finder";
    case HELP_KEY:
    case HELP_PARTIALKEY: {
        const wchar_t* key = reinterpret_cast<const wchar_t*>(data);
        return L"keyword \"" + std::wstring(key == nullptr ? L"" : key) + L"\"";
    }
    default:
        return L"command " + std::to_wstring(command) + L" data " + std::to_wstring(data);
    }
}

} // namespace

extern "C" {

int MessageBoxW(HWND, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    auto& session = vma::host::Session::get();
    std::vector<Button> list = buttons(uType);
    std::wstring shown = L"** " + std::wstring(lpCaption == nullptr ? L"Error" : lpCaption) +
                         L" **\n" + std::wstring(lpText == nullptr ? L"" : lpText) + L"\n";
    for (const Button& button : list)
        shown += L"[" + std::wstring(button.label) + L"] ";
    shown.back() = L'\n';
    session.print(shown);
    const Button& fallback = defaultButton(list, uType);
    std::vector<std::wstring> labels;
    for (const Button& button : list)
        labels.emplace_back(button.label);
    auto answer = vma::win::MessageBoxAnswers::get().next(labels);
    if (!answer) {
        session.print(L"No answer: " + std::wstring(fallback.label) + L" (the default button)\n");
        return fallback.id;
    }
    const Button* chosen = named(list, *answer);
    if (chosen == nullptr) {
        session.print(L"Answer \"" + *answer + L"\" is not a button here: " +
                      std::wstring(fallback.label) + L" (the default button)\n");
        return fallback.id;
    }
    session.print(L"Answer: " + std::wstring(chosen->label) + L"\n");
    return chosen->id;
}

BOOL WinHelpW(HWND, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
    std::wstring file = lpszHelp == nullptr ? L"" : lpszHelp;
    vma::host::Session::get().print(L"Help request: " + file + L", " +
                                    helpCommand(uCommand, dwData) + L"\n");
    return TRUE;
}

} // extern "C"
