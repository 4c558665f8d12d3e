// The item-level functions: reading, storing and deleting one value, and the
// stored spelling of an item name.
#include "acedads.h"
#include "adscodes.h"
#include "settings/dv_ini.h"
#include "settings/ini_lisp.h"
#include "settings/ini_lisp_args.h"
#include "settings/ini_lisp_types.h"
#include "toolkit/dv_debug.h"

#include <string>

namespace {

constexpr IniLispSignature kGetIni{
    3, 3, L"Syntax : (t:get_ini \"ini_handle\" \"rubriek\" \"item\" [var_type] )\n",
    kIniLispWrongArguments};
constexpr IniLispSignature kSetIni{
    3, 4, L"Syntax : (t:set_ini \"ini_handle\" \"rubriek\" \"item\" \"waarde\" )\n",
    kIniLispWrongArguments};
constexpr IniLispSignature kDelIni{
    3, 3, L"Syntax : (t:del_ini \"ini_handle\" \"rubriek\" \"item\")\n", kIniLispWrongType};
constexpr IniLispSignature kItemName{3, 3, nullptr, kIniLispWrongArguments};

int giveValue(int type, const DvValue& value) {
    switch (type) {
    case RTSHORT:
        acedRetInt(value.integer);
        return RSRSLT;
    case RTREAL:
        acedRetReal(value.real);
        return RSRSLT;
    case RTPOINT:
        return ini_lisp_xy(value.point[X], value.point[Y]);
    case RT3DPOINT:
        acedRetPoint(value.point);
        return RSRSLT;
    default:
        return ini_lisp_string(value.text);
    }
}

} // namespace

int t_get_ini() {
    auto args = ini_lisp_args(kGetIni);
    if (!args)
        return ini_lisp_nil();
    const int type = ini_lisp_read_type(args->at(3));
    DvValue value;
    if (dv_ini_get(args->text(0), args->text(1), args->text(2), type, value) != 0)
        return ini_lisp_nil();
    return giveValue(type, value);
}

int t_set_ini() {
    auto args = ini_lisp_args(kSetIni);
    if (!args)
        return ini_lisp_nil();
    const resbuf* given = args->at(3);
    std::optional<IniLispStored> stored = ini_lisp_stored_value(*given);
    if (!stored) {
        dv_debug_print(L"Onbekend variabeletype %d kan niet worden opgeslagen\n",
                       static_cast<int>(given->restype));
        return ini_lisp_nil();
    }
    const int status =
        dv_ini_set(args->text(0), args->text(1), args->text(2), stored->type, stored->value);
    return ini_lisp_bool(status == 0);
}

int t_del_ini() {
    auto args = ini_lisp_args(kDelIni);
    if (!args)
        return ini_lisp_nil();
    dv_ini_delete_item(args->text(0), args->text(1), args->text(2));
    return ini_lisp_t();
}

int t_get_ini_item_name() {
    auto args = ini_lisp_args(kItemName);
    if (!args)
        return ini_lisp_nil();
    std::wstring item = args->text(2);
    if (dv_ini_item_name(args->text(0), args->text(1), item) != 0)
        return ini_lisp_nil();
    return ini_lisp_string(item);
}
