#include "toolkit/dv_alert.h"

#include "acedads.h"
#include "toolkit/dv_catalogue.h"
#include "windows.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr size_t kMaxLine = 77;
constexpr size_t kMaxTitle = 80;
constexpr const wchar_t* kDefaultTitle = L"Velmora Alert";

std::array<std::wstring, 4>& titles() {
    static std::array<std::wstring, 4> all{kDefaultTitle, kDefaultTitle, kDefaultTitle,
                                           kDefaultTitle};
    return all;
}

// Title band of the longest line: below 20, 20-39, 40-59, 60 and more.
const std::wstring& titleFor(size_t longest) {
    return titles()[std::min<size_t>(longest / 20, 3)];
}

unsigned buttonsOf(int mode) {
    switch (mode) {
    case 1:
        return MB_OKCANCEL;
    case 2:
        return MB_YESNO;
    case 3:
        return MB_YESNOCANCEL;
    default:
        return MB_OK;
    }
}

// The box shown for at least seconds; Esc (the user break) ends the wait.
void waitTimed(std::chrono::steady_clock::time_point start, int seconds) {
    const auto until = start + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (acedUsrBrk())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

int dv_message_box(int mode, const wchar_t* line1, const wchar_t* line2, const wchar_t* line3,
                   unsigned flags) {
    if (!line1) {
        MessageBoxW(nullptr, L"Geen message meegegeven!", titles()[0].c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
        return RTCAN;
    }
    std::vector<std::wstring> lines{line1};
    if (line2) {
        lines.emplace_back(line2);
        if (line3)
            lines.emplace_back(line3);
    }
    size_t longest = 0;
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxLine)
            lines[i].resize(kMaxLine);
        longest = std::max(longest, lines[i].size());
        text += i == 0 ? lines[i] : L"\n" + lines[i];
    }
    const std::wstring& title = titleFor(longest);
    if (mode < 0) {
        const auto start = std::chrono::steady_clock::now();
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK);
        waitTimed(start, -mode);
        return RTCAN;
    }
    const int answer = MessageBoxW(nullptr, text.c_str(), title.c_str(), flags | buttonsOf(mode));
    return answer == IDOK || answer == IDYES ? RTNORM : RTCAN;
}

int dv_ads_message(int mode, int section, int number1, int type1, const DvArg& arg1, int number2,
                   int type2, const DvArg& arg2, int number3, int type3, const DvArg& arg3,
                   unsigned flags) {
    if (number1 < 1) {
        const std::wstring text =
            L"FOUT\nGaarne minimaal 1 regel meegeven aan\nde funktie dv_ads_message()!!";
        MessageBoxW(nullptr, text.c_str(), titles()[1].c_str(), MB_OK | MB_ICONEXCLAMATION);
        return RTERROR;
    }
    std::wstring line1, line2, line3;
    dv_catalogue_text(line1, section, number1, type1, arg1);
    const bool useSecond = number2 > 0;
    const bool useThird = useSecond && number3 > 0;
    if (useSecond)
        dv_catalogue_text(line2, section, number2, type2, arg2);
    if (useThird)
        dv_catalogue_text(line3, section, number3, type3, arg3);
    return dv_message_box(mode, line1.c_str(), useSecond ? line2.c_str() : nullptr,
                          useThird ? line3.c_str() : nullptr, flags);
}

// A line the catalogue cannot give keeps the title in force: a placeholder
// such as "Nog leeg!" is no title.
void dv_load_alert_titles(int section, int first, const wchar_t* arg) {
    for (int i = 0; i < 4; ++i) {
        std::wstring title;
        if (dv_catalogue_text(title, section, first + i, RTSTR, dv_arg(arg ? arg : L"")) != 0)
            continue;
        if (title.size() > kMaxTitle)
            title.resize(kMaxTitle);
        titles()[static_cast<size_t>(i)] = title;
    }
}

const std::wstring& dv_alert_title(int index) {
    return titles()[static_cast<size_t>(std::clamp(index, 1, 4) - 1)];
}

void dv_reset_alert_titles() {
    titles().fill(kDefaultTitle);
}
