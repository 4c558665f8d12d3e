// Whole sections: deleting, copying, renaming, and their attributes.
#include "settings/dv_ini.h"
#include "settings/ini_names.h"
#include "settings/ini_registry.h"
#include "settings/ini_store.h"
#include "settings/ini_trace.h"
#include "toolkit/dv_format.h"

int dv_ini_delete_section(std::wstring_view handle, std::wstring_view section) {
    ini_trace_begin(61, L"Verwijderen rubriek [%s] uit [%s]", section, handle);
    const std::wstring name(section);
    std::vector<std::wstring> items;
    std::vector<std::wstring> values;
    const int status = dv_ini_list_items(handle, name, items, values, 0);
    for (const std::wstring& item : items)
        dv_ini_delete_item(handle, name, item);
    if (IniFile* file = IniStore::get().find(handle))
        file->dirty = true;
    // What is left (comments, described items) stays hidden until released.
    std::wstring stored = name;
    if (dv_ini_section_name(handle, stored) == 0)
        dv_ini_rename_section(handle, stored, dv_formatf(L"**DELETED** %s", stored));
    return ini_traced(status);
}

int dv_ini_copy_section(std::wstring_view handle, std::wstring_view from, std::wstring_view to) {
    ini_trace_begin(62, L"Copieer inhoud van rubriek [%s] naar rubriek [%s] in [%s]", from, to,
                    handle);
    std::vector<std::wstring> items;
    std::vector<std::wstring> values;
    const int status = dv_ini_list_items(handle, from, items, values, 0);
    for (size_t i = 0; i < items.size(); ++i)
        dv_ini_set(handle, to, items[i], RTSTR, DvValue::ofText(values[i]));
    return ini_traced(status);
}

int dv_ini_rename_section(std::wstring_view handle, std::wstring_view oldName,
                          std::wstring_view newName) {
    if (oldName.empty())
        return -1;
    if (newName.empty())
        return -2;
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return 2;
    if (file->storage != DV_INI_FILE)
        return ini_registry_rename_section(*file, oldName, newName);
    if (ini_find_section(*file, newName) != nullptr)
        return 1;
    IniSection* section = ini_find_section(*file, oldName);
    if (section == nullptr)
        return 2;
    section->name = newName;
    file->dirty = true;
    return 0;
}

int dv_ini_section_name(std::wstring_view handle, std::wstring& section) {
    IniSection* found = ini_find_section(handle, section);
    if (found == nullptr)
        return 1;
    section = found->name;
    return 0;
}

int dv_ini_get_section_info(std::wstring_view handle, std::wstring_view section,
                            DvIniSectionInfo* info) {
    if (info == nullptr)
        return -1;
    IniSection* found = ini_find_section(handle, section);
    if (found == nullptr)
        return 1;
    *info = DvIniSectionInfo{found->descriptionSection, found->variableSection};
    return 0;
}

int dv_ini_set_section_info(std::wstring_view handle, std::wstring_view section,
                            const DvIniSectionInfo* info) {
    if (info == nullptr)
        return -1;
    IniSection* found = ini_find_section(handle, section);
    if (found == nullptr)
        return 1;
    found->descriptionSection = info->descriptionSection;
    found->variableSection = info->variableSection;
    IniStore::get().find(handle)->dirty = true;
    return 0;
}
