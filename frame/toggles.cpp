// The display toggles vmablipm, vmahighl and vmaucsys: each switches one
// system variable between off (even) and on (odd), outside the frame.
#include "acutads.h"
#include "frame/command_bodies.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_vars.h"

namespace {

constexpr int kToggleSection = 8;
constexpr int kSwitchedOff = 48;
constexpr int kSwitchedOn = 49;

int toggle(const wchar_t* variable) {
    int value = 0;
    if (dv_get_sysvar_int(variable, value) != 0)
        return 0;
    int next = value % 2 != 0 ? value - 1 : value + 1;
    dv_catalogue_print(kToggleSection, next % 2 != 0 ? kSwitchedOn : kSwitchedOff, RTSTR,
                       dv_arg(variable));
    acutPrintf(L"\n");
    dv_set_sysvar(variable, RTSHORT, DvValue::ofInt(next));
    return 0;
}

} // namespace

int vmablipm() {
    return toggle(L"BLIPMODE");
}

int vmahighl() {
    return toggle(L"HIGHLIGHT");
}

int vmaucsys() {
    return toggle(L"UCSICON");
}
