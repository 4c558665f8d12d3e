#include "frame/help_filter.h"

#include "frame/current_command.h"
#include "toolkit/dv_vars.h"

namespace {

bool& toggle() {
    static bool seen = false;
    return seen;
}

bool f1Down() {
    return (GetKeyState(VK_F1) & 0x8000) != 0;
}

bool anotherApplicationRuns(const DvArxApp& app) {
    DvValue running;
    return dv_get_lisp_var(L"DV_CUR_APP", RTSTR, running) == 0 && running.text != app.name;
}

} // namespace

bool dv_help_filter(MSG*) {
    const DvArxApp* app = dv_app();
    if (app == nullptr || !f1Down() || anotherApplicationRuns(*app))
        return false;
    int titleLine = 0;
    dv_current_command(*app, nullptr, nullptr, &titleLine);
    if (titleLine < 1)
        return false;
    toggle() = !toggle();
    if (toggle())
        dv_show_help(*app);
    return true;
}

void dv_help_filter_reset() {
    toggle() = false;
}
