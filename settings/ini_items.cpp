// Reading, setting and deleting single items.
#include "settings/dv_ini.h"
#include "settings/ini_registry.h"
#include "settings/ini_store.h"
#include "settings/ini_trace.h"
#include "settings/ini_value.h"

namespace {

IniItem* findItem(IniFile& file, std::wstring_view section, std::wstring_view item) {
    IniSection* found = ini_find_section(file, section);
    return found != nullptr ? ini_find_item(*found, item) : nullptr;
}

IniItem* findItem(std::wstring_view handle, std::wstring_view section, std::wstring_view item) {
    IniSection* found = ini_find_section(handle, section);
    return found != nullptr ? ini_find_item(*found, item) : nullptr;
}

const std::wstring* defaultOf(const IniItem& item) {
    return item.defaultText ? &*item.defaultText : nullptr;
}

// The text an item gives: its value when it has one, else its default.
const std::wstring* itemText(const IniItem& item) {
    return item.hasValue ? &item.value : defaultOf(item);
}

// No text at all leaves the value as the caller preset it.
int converted(const std::wstring* text, int type, DvValue& value) {
    return text != nullptr ? dv_ini_text_value(*text, type, value) : 1;
}

int get(IniFile* file, std::wstring_view section, std::wstring_view name, int type,
        DvValue& value) {
    if (file == nullptr)
        return 1;
    IniItem* item = findItem(*file, section, name);
    if (file->storage == DV_INI_FILE)
        return item != nullptr ? converted(itemText(*item), type, value) : 1;
    // The registry holds the values; a described item falls back to its default.
    const int status = ini_registry_read(*file, section, name, type, value);
    if (status == 0 || item == nullptr)
        return status;
    return converted(defaultOf(*item), type, value);
}

} // namespace

int dv_ini_get(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
               int type, DvValue& value) {
    ini_trace_begin(52, L"Item [%s] in rubriek [%s] van [%s] -> Lezen", item, section, handle);
    return ini_traced(get(IniStore::get().find(handle), section, item, type, value));
}

int dv_ini_get_default(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
                       int type, DvValue& value) {
    ini_trace_begin(52, L"Item [%s] in rubriek [%s] van [%s] -> Lezen", item, section, handle);
    IniItem* found = findItem(handle, section, item);
    if (found == nullptr)
        return 0;
    if (!found->defaultText)
        return 1;
    return dv_ini_default_value(*found->defaultText, type, value);
}

int dv_ini_set(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
               int type, const DvValue& value) {
    ini_trace_begin(53, L"Item [%s] in rubriek [%s] van [%s] -> Schrijven", item, section, handle);
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return ini_traced(0);
    if (file->storage != DV_INI_FILE)
        return ini_traced(ini_registry_write(*file, section, item, type, value));
    std::optional<std::wstring> text = dv_ini_value_text(type, value);
    if (!text)
        return ini_traced(-32000);
    IniItem& target = ini_item(ini_section(*file, section), item);
    if (target.validation && dv_ini_validate(target, value, type, file->validation) == 0)
        return ini_traced(1);
    target.value = std::move(*text);
    target.hasValue = true;
    file->dirty = true;
    return ini_traced(0);
}

int dv_ini_delete_item(std::wstring_view handle, std::wstring_view section,
                       std::wstring_view item) {
    ini_trace_begin(54, L"Item [%s] in rubriek [%s] van [%s] -> Verwijderen", item, section,
                    handle);
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return ini_traced(1);
    if (file->storage != DV_INI_FILE)
        ini_registry_delete(*file, section, item);
    IniSection* from = ini_find_section(*file, section);
    if (from == nullptr)
        return ini_traced(0);
    if (IniItem* found = ini_find_item(*from, item)) {
        if (found->described) {
            // A described item stays and falls back to its default.
            found->value.clear();
            found->hasValue = false;
        } else {
            from->items.remove_if([&](const IniItem& other) { return &other == found; });
        }
        file->dirty = true;
    }
    if (from->items.empty())
        file->sections.remove_if([&](const IniSection& other) { return &other == from; });
    return ini_traced(0);
}

int dv_ini_value_absent(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
                        int request) {
    IniItem* found = findItem(handle, section, item);
    if (found == nullptr)
        return -1;
    const int absent = found->hasValue ? 0 : 1;
    if (request != -1)
        found->hasValue = request == 0;
    return absent;
}

int dv_ini_get_item_info(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view item, DvIniItemInfo* info) {
    if (info == nullptr)
        return -1;
    IniItem* found = findItem(handle, section, item);
    if (found == nullptr)
        return 1;
    *info = DvIniItemInfo{found->defaultText, found->type,      found->descriptionLine,
                          found->validation,  found->described, found->hasValue};
    return 0;
}

int dv_ini_set_item_info(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view item, const DvIniItemInfo* info) {
    if (info == nullptr)
        return -1;
    IniFile* file = IniStore::get().find(handle);
    IniItem* found = file != nullptr ? findItem(*file, section, item) : nullptr;
    if (found == nullptr)
        return 1;
    found->defaultText = info->defaultText;
    found->type = info->type;
    found->descriptionLine = info->descriptionLine;
    found->validation = info->validation;
    found->described = info->described != 0;
    found->hasValue = info->hasValue != 0;
    file->dirty = true;
    return 0;
}
