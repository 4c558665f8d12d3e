#include "frame/dispatch.h"

#include "acedads.h"
#include "acutads.h"
#include "adscodes.h"
#include "frame/command_table.h"

#include <exception>
#include <string>

int dv_call_row(int code) {
    const CommandEntry* row = dv_command_row(code);
    if (row == nullptr)
        return 0;
    try {
        return row->function();
    } catch (const std::exception& error) {
        std::string what = error.what();
        acutPrintf(L"\n%s: %s\n", row->name, std::wstring(what.begin(), what.end()).c_str());
    } catch (...) {
        acutPrintf(L"\n%s: onbekende fout\n", row->name);
    }
    return RTERROR;
}

void dv_command_entry() {
    dv_call_row(acedGetFunCode());
}

int dv_lisp_entry() {
    return dv_call_row(acedGetFunCode());
}
