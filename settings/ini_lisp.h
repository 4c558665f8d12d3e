// The AutoLISP face of the settings store: one function per settings-store
// operation, registered in the module's command table. Each reads its
// arguments with acedGetArgs, checks them (a complaint and the function's
// syntax line on the command line where it has one), calls the store and
// hands the result back with an acedRet* call. Each returns RSRSLT.
#pragma once

// (t:init_ini path): the handle; a list holding it when the file was open.
int t_init_ini();
// (t:get_ini handle section item [type]): the value, nil without one.
int t_get_ini();
// (t:set_ini handle section item value): T when stored, else nil.
int t_set_ini();
// (t:del_ini handle section item): T.
int t_del_ini();
// (t:del_ini_rubriek handle section): T when deleted, else nil.
int t_del_ini_rubriek();
// (t:copy_ini_rubriek handle from to): T.
int t_copy_ini_rubriek();
// (t:get_ini_rubriek handle section): ((item . value) ...), nil when empty.
int t_get_ini_rubriek();
// (t:get_ini_rubrieken handle): the section names, nil when none.
int t_get_ini_rubrieken();
// (t:get_ini_rubriek_name handle section): the stored spelling, or nil.
int t_get_ini_rubriek_name();
// (t:get_ini_item_name handle section item): the stored spelling, or nil.
int t_get_ini_item_name();
// (t:get_full_ini_name handle): the file's path, or nil.
int t_get_full_ini_name();
// (t:set_full_ini_name handle path): T when moved and writable, else nil.
int t_set_full_ini_name();
// (t:write_ini handle [mode]): nil; mode 0 keeps the file open.
int t_write_ini();
// (t:free_ini handle): T; unsaved changes are dropped.
int t_free_ini();
// (t:reinit_ini handle): T when read again, else nil.
int t_reinit_ini();
// (t:save_all_ini [n]): T; n 1 writes and releases all, 2 drops all.
int t_save_all_ini();
// (t:toon_ini handle): T; the contents go to the debug channel.
int t_toon_ini();
// (t:ini_is_open handle): T or nil.
int t_ini_is_open();
// (t:edit_ini path [path]): nil; the editor dialog is not available.
int t_edit_ini();
