#include "frame/current_command.h"

#include "acedads.h"
#include "frame/command_table.h"
#include "frame/frame_vars.h"
#include "toolkit/dv_vars.h"
#include "windows.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr int kHelpContextBase = 1000;

std::wstring upper(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return text;
}

int rowOfCommandNames(const DvArxApp& app, const std::wstring& commandNames) {
    for (size_t code = 0; code < app.table.size(); ++code)
        if (commandNames.find(upper(app.table[code].name)) != std::wstring::npos)
            return static_cast<int>(code);
    return 0;
}

int runningRow(const DvArxApp& app) {
    std::wstring commandNames;
    dv_get_sysvar_string(L"CMDNAMES", commandNames);
    if (!commandNames.empty())
        return rowOfCommandNames(app, commandNames);
    int code = acedGetFunCode();
    return code < static_cast<int>(app.table.size()) ? code : 0;
}

std::wstring withoutLispPrefix(const std::wstring& name) {
    if (name.size() >= 2 && std::towupper(name[0]) == L'C' && name[1] == L':')
        return name.substr(2);
    return name;
}

} // namespace

int dv_current_command(const DvArxApp& app, std::wstring* name, int* kind, int* titleLine) {
    int row = runningRow(app);
    if (row <= 0) {
        DvValue number;
        if (dv_get_lisp_var(dv_function_number_var(app).c_str(), RTSHORT, number) != 0) {
            if (titleLine != nullptr)
                *titleLine = 0;
            return 1;
        }
        if (number.integer > 0 && titleLine != nullptr)
            *titleLine = number.integer;
        return 0;
    }
    const CommandEntry& entry = app.table[static_cast<size_t>(row)];
    if (name != nullptr)
        *name = withoutLispPrefix(entry.name);
    if (kind != nullptr)
        *kind = entry.kind;
    if (titleLine != nullptr)
        *titleLine = entry.titleLine;
    return 0;
}

int dv_help_context(const DvArxApp& app) {
    int titleLine = 0;
    dv_current_command(app, nullptr, nullptr, &titleLine);
    return titleLine + kHelpContextBase;
}

void dv_show_help(const DvArxApp& app) {
    WinHelpW(nullptr, app.helpFile.c_str(), HELP_CONTEXT,
             static_cast<ULONG_PTR>(dv_help_context(app)));
}

void dv_help_tile_action(ads_callback_packet*) {
    if (const DvArxApp* app = dv_app())
        dv_show_help(*app);
}
