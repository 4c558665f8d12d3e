// Functions that talk to the screen rather than the drawing: prompt, alert
// (a message box with one OK button), redraw and osnap.
#include "acedads.h"
#include "host/lisp/builtins.h"
#include "windows.h"

namespace vma::lisp {

namespace {

ErrorOr<Value> prompt(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring text, stringArg(a[0]));
    acedPrompt(text.c_str());
    return Value{};
}

ErrorOr<Value> alert(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring text, stringArg(a[0]));
    MessageBoxW(nullptr, text.c_str(), L"AutoCAD Message", MB_OK);
    return Value{};
}

// (redraw [ename [mode]]): the whole view without arguments.
ErrorOr<Value> redraw(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    int mode = 1;
    if (a.size() == 2) {
        VMA_TRY_ASSIGN(mode, intArg(a[1]));
    }
    if (a.empty() || !a[0]) {
        acedRedraw(nullptr, mode);
        return Value{};
    }
    if (!is(a[0], Type::Ename))
        return badArgument("lentityp", a[0]);
    acedRedraw(a[0]->name, mode);
    return Value{};
}

// (osnap pt mode): the snapped point, or nil when no object is near.
ErrorOr<Value> osnap(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(auto xyz, pointArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring mode, stringArg(a[1]));
    ads_point from = {xyz[0], xyz[1], xyz.size() == 3 ? xyz[2] : 0};
    ads_point found = {0, 0, 0};
    if (acedOsnap(from, mode.c_str(), found) != RTNORM)
        return Value{};
    return point({found[0], found[1], found[2]});
}

const Registrar registrar{
    {L"PROMPT", prompt},
    {L"ALERT", alert},
    {L"REDRAW", redraw},
    {L"OSNAP", osnap},
};

} // namespace

} // namespace vma::lisp
