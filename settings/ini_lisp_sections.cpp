// The section-level functions: listing, copying, deleting sections and the
// stored spelling of a section name.
#include "settings/dv_ini.h"
#include "settings/ini_lisp.h"
#include "settings/ini_lisp_args.h"

#include <string>
#include <vector>

namespace {

constexpr IniLispSignature kGetRubriek{
    2, 2, L"Syntax : (t:get_ini_rubriek \"ini_handle\" \"rubriek\")\n", kIniLispWrongArguments};
constexpr IniLispSignature kHandleOnly{1, 1, nullptr, kIniLispWrongType};
constexpr IniLispSignature kHandleAndSection{2, 2, nullptr, kIniLispWrongArguments};
constexpr IniLispSignature kHandleAndTwoSections{3, 3, nullptr, kIniLispWrongArguments};

} // namespace

int t_del_ini_rubriek() {
    auto args = ini_lisp_args(kHandleAndSection);
    if (!args)
        return ini_lisp_nil();
    return ini_lisp_bool(dv_ini_delete_section(args->text(0), args->text(1)) == 0);
}

int t_copy_ini_rubriek() {
    auto args = ini_lisp_args(kHandleAndTwoSections);
    if (!args)
        return ini_lisp_nil();
    dv_ini_copy_section(args->text(0), args->text(1), args->text(2));
    return ini_lisp_t();
}

// A missing or empty section is a caller's mistake here, so it is reported
// like a bad argument.
int t_get_ini_rubriek() {
    auto args = ini_lisp_args(kGetRubriek);
    if (!args)
        return ini_lisp_nil();
    std::vector<std::wstring> names;
    std::vector<std::wstring> values;
    const int status = dv_ini_list_items(args->text(0), args->text(1), names, values, 0);
    if (status != 0 || names.empty()) {
        ini_lisp_complain(kGetRubriek, kIniLispWrongArguments);
        return ini_lisp_nil();
    }
    return ini_lisp_pairs(names, values);
}

int t_get_ini_rubrieken() {
    auto args = ini_lisp_args(kHandleOnly);
    if (!args)
        return ini_lisp_nil();
    std::vector<std::wstring> names;
    if (dv_ini_list_sections(args->text(0), names) != 0)
        return ini_lisp_nil();
    return ini_lisp_strings(names);
}

int t_get_ini_rubriek_name() {
    auto args = ini_lisp_args(kHandleAndSection);
    if (!args)
        return ini_lisp_nil();
    std::wstring section = args->text(1);
    if (dv_ini_section_name(args->text(0), section) != 0)
        return ini_lisp_nil();
    return ini_lisp_string(section);
}
