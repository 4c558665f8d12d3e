// The contents of a settings file on the debug channel.
#include "settings/dv_ini.h"
#include "settings/ini_store.h"
#include "toolkit/dv_debug.h"

void dv_ini_show(std::wstring_view handle) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr) {
        dv_debug_print(L"Ini-bestand '%s' is niet open!\n", handle);
        return;
    }
    if (file->storage != DV_INI_FILE) {
        dv_debug_print(L"Instellingen in registry. Gebruik REGEDIT om de waarden te bekijken!\n");
        return;
    }
    dv_debug_print(L"Inhoud ini-file : %s [%s]\n", file->path, file->handle);
    for (const IniSection& section : file->sections) {
        dv_debug_print(L"\n[%s]\n", section.name);
        for (const IniItem& item : section.items) {
            if (item.isComment())
                dv_debug_print(L"%s\n", item.name);
            else
                dv_debug_print(L"%s=%s\n", item.name, item.value);
        }
    }
}
