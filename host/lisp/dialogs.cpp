// The AutoLISP dialog functions over the DCL runtime: load_dialog,
// new_dialog, start_dialog, done_dialog, set_tile, get_tile, action_tile,
// unload_dialog. A program prepares the dialog it made last (new_dialog,
// before start_dialog) and acts on the one running (in an action); tile
// actions are AutoLISP text, evaluated with $key, $value, $reason, $x and $y
// set (dialogAction).
#include "adsdlg.h"
#include "host/base/text.h"
#include "host/dcl/ads_edge.h"
#include "host/dcl/runtime.h"
#include "host/lisp/builtins.h"
#include "host/lisp/lisp.h"

#include <cwchar>
#include <vector>

namespace vma::lisp {

namespace {

// Dialogs made by new_dialog and not yet started, innermost last.
std::vector<ads_hdlg>& prepared() {
    static std::vector<ads_hdlg> dialogs;
    return dialogs;
}

ads_hdlg currentDialog() {
    auto& list = prepared();
    while (!list.empty() && !dcl::Runtime::get().isOpen(list.back()))
        list.pop_back();
    if (!list.empty())
        return list.back();
    return dcl::Runtime::get().running();
}

ErrorOr<Value> loadDialog(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring file, stringArg(a[0]));
    int id = -1;
    ads_load_dialog(file.c_str(), &id);
    return makeInt(id);
}

ErrorOr<Value> unloadDialog(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(int32_t id, intArg(a[0]));
    ads_unload_dialog(id);
    return Value{};
}

// (new_dialog name id [action [point]]): T when the dialog is open.
ErrorOr<Value> newDialog(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 4));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    VMA_TRY_ASSIGN(int32_t id, intArg(a[1]));
    ads_hdlg dialog = BAD_DIALOG;
    if (ads_new_dialog(name.c_str(), id, NULLCB, &dialog) != RTNORM)
        return Value{};
    prepared().push_back(dialog);
    return T;
}

// The status the dialog ended with.
ErrorOr<Value> startDialog(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 0));
    auto& list = prepared();
    if (list.empty())
        return Error{"start_dialog: no dialog made by new_dialog"};
    ads_hdlg dialog = list.back();
    list.pop_back();
    int status = DLGCANCEL;
    if (ads_start_dialog(dialog, &status) != RTNORM)
        return Value{};
    return makeInt(status);
}

// (done_dialog [status]): the dialog's position, as (x y).
ErrorOr<Value> doneDialog(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 1));
    int32_t status = DLGOK;
    if (!a.empty() && a[0]) {
        VMA_TRY_ASSIGN(status, intArg(a[0]));
    }
    int x = 0, y = 0;
    if (ads_done_positioned_dialog(currentDialog(), status, &x, &y) != RTNORM)
        return Value{};
    return fromVector({makeInt(x), makeInt(y)});
}

ErrorOr<Value> setTile(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring key, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring value, stringArg(a[1]));
    if (ads_set_tile(currentDialog(), key.c_str(), value.c_str()) != RTNORM)
        return Value{};
    return a[1];
}

ErrorOr<Value> getTile(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring key, stringArg(a[0]));
    std::wstring value(TILE_STR_LIMIT + 1, L'\0');
    if (ads_get_tile(currentDialog(), key.c_str(), value.data(), TILE_STR_LIMIT + 1) != RTNORM)
        return Value{};
    value.resize(std::wcslen(value.c_str()));
    return makeStr(std::move(value));
}

ErrorOr<Value> actionTile(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring key, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring expression, stringArg(a[1]));
    dcl::Tile* tile = dcl::tileOf(currentDialog(), key.c_str());
    if (tile == nullptr)
        return Value{};
    tile->action = NULLCB;
    tile->attrs["action"] = dcl::AttrValue{wideToUtf8(expression), true};
    return T;
}

const Registrar registrar{
    {L"LOAD_DIALOG", loadDialog},   {L"UNLOAD_DIALOG", unloadDialog}, {L"NEW_DIALOG", newDialog},
    {L"START_DIALOG", startDialog}, {L"DONE_DIALOG", doneDialog},     {L"SET_TILE", setTile},
    {L"GET_TILE", getTile},         {L"ACTION_TILE", actionTile},
};

} // namespace

void dialogAction(const std::string& expression, ads_callback_packet& packet) {
    if (!host::Session::get().hasDocument())
        return;
    Interp& in = currentInterpreter();
    auto* tile = static_cast<dcl::Tile*>(packet.tile);
    in.setGlobal(L"$KEY", makeStr(tile ? utf8ToWide(tile->key()) : L""));
    in.setGlobal(L"$VALUE", makeStr(packet.value ? packet.value : L""));
    in.setGlobal(L"$REASON", makeInt(packet.reason));
    in.setGlobal(L"$X", makeInt(static_cast<int32_t>(packet.x)));
    in.setGlobal(L"$Y", makeInt(static_cast<int32_t>(packet.y)));
    in.evaluateText(utf8ToWide(expression));
}

} // namespace vma::lisp
