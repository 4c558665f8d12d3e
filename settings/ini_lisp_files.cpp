// The file-level functions: opening, naming, writing, releasing, showing.
#include "settings/dv_ini.h"
#include "settings/ini_lisp.h"
#include "settings/ini_lisp_args.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_print.h"

#include <string>

namespace {

// Catalogue line (section 100) telling that the settings editor is not available.
constexpr int kEditorMissingLine = 99;
constexpr const wchar_t* kEditorMissing = L"De instellingen-editor is nog niet beschikbaar.";

constexpr IniLispSignature kInitIni{1, 1, L"Syntax : (t:init_ini \"full_ini_name\")\n",
                                    kIniLispWrongType};
constexpr IniLispSignature kGetFullName{1, 1, L"Syntax : (t:get_full_ini_name \"ini_handle\")\n",
                                        kIniLispWrongType};
constexpr IniLispSignature kSetFullName{
    2, 2, L"Syntax : (t:set_full_ini_name \"ini_handle\" \"full_ini_name\")\n",
    kIniLispWrongArguments};
constexpr IniLispSignature kWriteIni{1, 1, L"Syntax : (t:write_ini \"ini_handle\" [mode])\n",
                                     kIniLispWrongType};
constexpr IniLispSignature kFreeIni{1, 1, L"Syntax : (t:free_ini \"ini_handle\")\n",
                                    kIniLispWrongType};
constexpr IniLispSignature kHandleOnly{1, 1, nullptr, kIniLispWrongType};
constexpr IniLispSignature kNoArguments{0, 0, nullptr, kIniLispWrongType};

// Mode 0 of t:write_ini keeps the file open (store mode 1); anything else
// writes and releases it (store mode 2).
int writeMode(const resbuf* mode) {
    if (ini_lisp_is_integer(mode) && ini_lisp_integer(mode) == 0)
        return 1;
    return 2;
}

// 1 writes and releases all (store mode 2), 2 drops all (store mode 3);
// anything else writes all and keeps them open (store mode 1).
int saveAllMode(const resbuf* n) {
    if (!ini_lisp_is_integer(n))
        return 1;
    switch (ini_lisp_integer(n)) {
    case 1:
        return 2;
    case 2:
        return 3;
    default:
        return 1;
    }
}

} // namespace

int t_init_ini() {
    auto args = ini_lisp_args(kInitIni);
    if (!args)
        return ini_lisp_nil();
    std::wstring handle;
    const int status = dv_ini_open(args->text(0), &handle, 0, 1, DV_INI_FILE);
    if (status == 0)
        return ini_lisp_string(handle);
    if (status == -1)
        return ini_lisp_strings({handle});
    return ini_lisp_nil();
}

int t_get_full_ini_name() {
    auto args = ini_lisp_args(kGetFullName);
    if (!args)
        return ini_lisp_nil();
    std::wstring path;
    if (dv_ini_get_path(path, args->text(0)) == 0)
        return ini_lisp_string(path);
    ini_lisp_print_syntax(kGetFullName);
    return ini_lisp_nil();
}

int t_set_full_ini_name() {
    auto args = ini_lisp_args(kSetFullName);
    if (!args)
        return ini_lisp_nil();
    if (dv_ini_set_path(args->text(1), args->text(0)) == 0)
        return ini_lisp_t();
    ini_lisp_print_syntax(kSetFullName);
    return ini_lisp_nil();
}

int t_write_ini() {
    auto args = ini_lisp_args(kWriteIni);
    if (!args)
        return ini_lisp_nil();
    dv_ini_write(args->text(0), writeMode(args->at(1)));
    return ini_lisp_nil();
}

int t_free_ini() {
    auto args = ini_lisp_args(kFreeIni);
    if (!args)
        return ini_lisp_nil();
    dv_ini_free(args->text(0));
    return ini_lisp_t();
}

int t_reinit_ini() {
    auto args = ini_lisp_args(kHandleOnly);
    if (!args)
        return ini_lisp_nil();
    std::wstring handle = args->text(0);
    return ini_lisp_bool(dv_ini_reinit(handle) == 0);
}

int t_save_all_ini() {
    auto args = ini_lisp_args(kNoArguments);
    dv_ini_save_all(saveAllMode(args ? args->at(0) : nullptr));
    return ini_lisp_t();
}

int t_toon_ini() {
    auto args = ini_lisp_args(kHandleOnly);
    if (!args)
        return ini_lisp_nil();
    dv_ini_show(args->text(0));
    return ini_lisp_t();
}

int t_ini_is_open() {
    auto args = ini_lisp_args(kHandleOnly);
    if (!args)
        return ini_lisp_nil();
    return ini_lisp_bool(dv_ini_is_open(args->text(0)) != 0);
}

int t_edit_ini() {
    auto args = ini_lisp_args(kHandleOnly);
    if (!args)
        return ini_lisp_nil();
    dv_print(L"\n" + std::wstring(dv_catalogue_line(kEditorMissingLine, kEditorMissing)) + L"\n");
    return ini_lisp_nil();
}
