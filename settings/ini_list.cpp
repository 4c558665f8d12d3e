// Listing sections and items, and finding names by spelling or by value.
#include "settings/dv_ini.h"
#include "settings/ini_registry.h"
#include "settings/ini_store.h"
#include "settings/ini_trace.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_compare.h"

#include <algorithm>

namespace {

// Section names keep their observable limit of 80 characters in lists.
constexpr size_t kSectionNameLimit = DV_INI_SECTION_SLOT - 1;

int listSections(std::wstring_view handle, std::vector<std::wstring>& names,
                 std::optional<std::wstring_view> prefix) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return 1;
    if (file->storage != DV_INI_FILE)
        return ini_registry_list_sections(*file, names) == 0 ? 0 : -1;
    for (const IniSection& section : file->sections)
        if (!prefix || dv_starts_with_text(section.name, *prefix))
            names.push_back(section.name.substr(0, kSectionNameLimit));
    return names.empty() ? -1 : 0;
}

int listItems(std::wstring_view handle, std::wstring_view section, std::vector<std::wstring>& names,
              std::vector<std::wstring>& values, int useDefaults) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return 1;
    if (file->storage != DV_INI_FILE)
        return ini_registry_list_items(*file, section, names, values);
    IniSection* found = ini_find_section(*file, section);
    if (found == nullptr)
        return 1;
    for (const IniItem& item : found->items) {
        if (item.isComment())
            continue;
        names.push_back(item.name);
        const bool useDefault = useDefaults != 0 && item.value.empty() && item.defaultText;
        values.push_back(useDefault ? *item.defaultText : item.value);
    }
    return names.empty() ? 1 : 0;
}

// The names in one block of fixed slots, each cut to fit with its null.
std::vector<wchar_t> slots(const std::vector<std::wstring>& texts, size_t width) {
    std::vector<wchar_t> block(texts.size() * width, L'\0');
    for (size_t i = 0; i < texts.size(); ++i) {
        size_t length = std::min(texts[i].size(), width - 1);
        std::copy_n(texts[i].begin(), length, block.begin() + static_cast<long>(i * width));
    }
    return block;
}

} // namespace

int dv_ini_list_sections(std::wstring_view handle, std::vector<std::wstring>& names,
                         std::optional<std::wstring_view> prefix) {
    ini_trace_begin(58, L"Ophalen alle rubrieknamen uit [%s]", handle);
    names.clear();
    return ini_traced(listSections(handle, names, prefix));
}

int dv_ini_list_sections_flat(std::wstring_view handle, std::vector<wchar_t>& block, int& count,
                              std::optional<std::wstring_view> prefix) {
    std::vector<std::wstring> names;
    const int status = dv_ini_list_sections(handle, names, prefix);
    block = slots(names, DV_INI_SECTION_SLOT);
    count = static_cast<int>(names.size());
    return status;
}

int dv_ini_list_items(std::wstring_view handle, std::wstring_view section,
                      std::vector<std::wstring>& names, std::vector<std::wstring>& values,
                      int useDefaults) {
    ini_trace_begin(55, L"Ophalen alle items uit rubriek [%s] van [%s]", section, handle);
    names.clear();
    values.clear();
    return ini_traced(listItems(handle, section, names, values, useDefaults));
}

int dv_ini_list_items_flat(std::wstring_view handle, std::wstring_view section,
                           std::vector<wchar_t>& names, std::vector<wchar_t>& values, int& count,
                           int useDefaults) {
    std::vector<std::wstring> nameList;
    std::vector<std::wstring> valueList;
    const int status = dv_ini_list_items(handle, section, nameList, valueList, useDefaults);
    names = slots(nameList, DV_INI_ITEM_SLOT);
    values = slots(valueList, DV_INI_VALUE_SLOT);
    count = static_cast<int>(nameList.size());
    return status;
}

int dv_ini_item_name(std::wstring_view handle, std::wstring_view section, std::wstring& item) {
    IniSection* found = ini_find_section(handle, section);
    IniItem* named = found != nullptr ? ini_find_item(*found, item) : nullptr;
    if (named == nullptr)
        return 1;
    item = named->name;
    return 0;
}

int dv_ini_find_by_value(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view value, std::wstring& item) {
    ini_trace_begin(60, L"Ophalen item van waarde [%s] in rubriek [%s] van [%s]", value, section,
                    handle);
    IniSection* found = ini_find_section(handle, section);
    if (found == nullptr)
        return ini_traced(1);
    for (const IniItem& candidate : found->items) {
        if (!candidate.isComment() && dv_same_text(candidate.value, value)) {
            item = candidate.name;
            return ini_traced(0);
        }
    }
    return ini_traced(1);
}

int dv_ini_item_description(std::wstring_view handle, std::wstring_view section,
                            std::wstring_view item, std::wstring& text) {
    IniSection* found = ini_find_section(handle, section);
    IniItem* described = found != nullptr ? ini_find_item(*found, item) : nullptr;
    if (described == nullptr)
        return 1;
    if (found->descriptionSection == 0 || described->descriptionLine == 0)
        return 2;
    std::wstring line;
    if (dv_catalogue_text(line, found->descriptionSection, described->descriptionLine) != 0)
        return 3;
    size_t equals = line.find(L'=');
    text = equals == std::wstring::npos ? line : line.substr(equals + 1);
    return 0;
}
