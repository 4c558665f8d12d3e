#include "frame/command_frame.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "frame/command_table.h"
#include "frame/frame_vars.h"
#include "toolkit/dv_acad_version.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_commands.h"
#include "toolkit/dv_environment.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_text_style.h"
#include "toolkit/dv_vars.h"

#include <exception>
#include <string>

namespace {

constexpr const wchar_t* kSavedVariables[] = {L"CMDECHO", L"BLIPMODE", L"ATTDIA"};
constexpr const wchar_t* kSavedDynprompt = L"ACAD_DYNPROMPT";

// Releases whose dynamic prompt has to be off while a command runs.
bool hidesDynamicPrompt() {
    int version = dv_acad_version(nullptr);
    return version >= 145 && version <= 149;
}

const CommandEntry* runningModalRow() {
    const CommandEntry* row = dv_command_row(acedGetFunCode());
    return row != nullptr && isModalCommandRow(*row) ? row : nullptr;
}

void saveEnvironment(const DvArxApp& app, int code) {
    for (const wchar_t* name : kSavedVariables)
        dv_push_sysvar_int(name, 0);
    dv_undo_begin();
    dv_save_layer();
    dv_set_lisp_var(L"DV_CUR_APP", RTSTR, DvValue::ofText(app.name));
    dv_store_set_int(dv_store_current(), dv_current_command_var(app).c_str(), code, 1);
    if (!hidesDynamicPrompt())
        return;
    int dynprompt = 0;
    dv_get_sysvar_int(L"DYNPROMPT", dynprompt);
    dv_store_set_int(dv_store_current(), kSavedDynprompt, dynprompt, 1);
    dv_set_sysvar(L"DYNPROMPT", RTSHORT, DvValue::ofInt(0));
}

void restoreEnvironment(const DvArxApp& app) {
    dv_reset_text_height();
    dv_restore_layer();
    dv_undo_end();
    for (const wchar_t* name : kSavedVariables)
        dv_pop_sysvar(name);
    dv_store_delete(dv_store_current(), dv_current_command_var(app).c_str(), 0, 1);
    int dynprompt = 0;
    if (hidesDynamicPrompt() &&
        dv_store_get_int(dv_store_current(), kSavedDynprompt, dynprompt) == 0)
        dv_set_sysvar(L"DYNPROMPT", RTSHORT, DvValue::ofInt(dynprompt));
}

void printHeader(const DvArxApp& app, const CommandEntry& row) {
    std::wstring release = app.releaseMajor + L"." + row.releaseMinor + app.releaseSuffix;
    std::wstring title;
    std::wstring header;
    std::wstring releaseLine;
    dv_catalogue_text(title, app.titleSection, row.titleLine);
    dv_catalogue_text(header, app.titleSection, app.headerLine, RTSTR, dv_arg(title));
    dv_catalogue_text(releaseLine, app.titleSection, 2, RTSTR, dv_arg(release));
    acutPrintf(L"\n%s%s\n", header.c_str(), releaseLine.c_str());
}

// Runs the epilogue when an exception leaves the body.
class FrameGuard {
public:
    explicit FrameGuard(DvArxApp& app) : app_(app) {}
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;
    ~FrameGuard() {
        if (!armed_)
            return;
        try {
            dv_epilogue(app_);
        } catch (...) {
            acutPrintf(L"\n%s: de omgeving kon niet hersteld worden\n", app_.name.c_str());
        }
    }
    void dismiss() { armed_ = false; }

private:
    DvArxApp& app_;
    bool armed_ = true;
};

void reportEscaped(const std::exception* error) {
    if (error == nullptr) {
        acutPrintf(L"\nCommando afgebroken door een onbekende fout\n");
        return;
    }
    std::string what = error->what();
    acutPrintf(L"\nCommando afgebroken: %s\n", std::wstring(what.begin(), what.end()).c_str());
}

void runInFrame(DvArxApp& app, void (*body)()) {
    dv_prologue(app);
    FrameGuard guard(app);
    body();
    acedRetVoid();
    guard.dismiss();
    dv_epilogue(app);
}

} // namespace

void dv_prologue(DvArxApp& app) {
    if (app.preHook != nullptr && app.preHook(app) == 0)
        return;
    if (app.firstCommandRun == 0) {
        dv_app_register_name(app);
        app.firstCommandRun = 1;
    }
    int code = acedGetFunCode();
    const CommandEntry* row = runningModalRow();
    if (row == nullptr)
        return;
    saveEnvironment(app, code);
    printHeader(app, *row);
}

void dv_epilogue(DvArxApp& app) {
    if (runningModalRow() != nullptr)
        restoreEnvironment(app);
    if (app.postHook != nullptr)
        app.postHook(app);
}

int dv_run_framed(void (*body)()) {
    DvArxApp* app = dv_app();
    try {
        if (app != nullptr)
            runInFrame(*app, body);
        else
            body();
    } catch (const std::exception& error) {
        reportEscaped(&error);
    } catch (...) {
        reportEscaped(nullptr);
    }
    return 0;
}
