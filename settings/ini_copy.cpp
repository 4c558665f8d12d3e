// A working copy of an open settings file, as the settings editor uses.
#include "settings/dv_ini.h"
#include "settings/ini_names.h"
#include "settings/ini_store.h"
#include "toolkit/dv_format.h"

namespace {

bool qualifies(const IniItem& item, int filter) {
    if (filter == 0)
        return true;
    return filter == 1 ? item.described : item.hasValue;
}

IniSection filtered(const IniSection& section, int filter) {
    IniSection copy;
    copy.name = section.name;
    copy.descriptionSection = section.descriptionSection;
    copy.variableSection = section.variableSection;
    for (const IniItem& item : section.items)
        if (qualifies(item, filter))
            copy.items.push_back(item);
    return copy;
}

} // namespace

int dv_ini_copy_file(std::wstring_view source, std::wstring_view newPath,
                     std::wstring_view newHandle, int filter) {
    IniStore& store = IniStore::get();
    IniFile* from = store.find(source);
    if (from == nullptr)
        return 1;
    if (store.find(newHandle) != nullptr)
        return -1;
    const std::wstring path = from->storage != DV_INI_FILE
                                  ? dv_formatf(L"SOFTWARE\\Dalvoren\\%s", newPath)
                                  : std::wstring(newPath);
    IniFile& copy = store.add(path, newHandle);
    copy.storage = from->storage;
    copy.validation = from->validation;
    for (const IniSection& section : from->sections) {
        if (ini_is_deleted(section.name))
            continue;
        IniSection kept = filtered(section, filter);
        if (filter != 0 && kept.items.empty())
            continue;
        copy.sections.push_back(std::move(kept));
    }
    store.prototypes(newHandle)->sections = store.prototypes(source)->sections;
    return 0;
}
