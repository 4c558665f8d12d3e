#include "settings/ini_store.h"

#include "settings/ini_names.h"
#include "toolkit/dv_compare.h"

#include <algorithm>

namespace {

template <typename Records>
auto* findIn(Records& records, std::wstring_view name,
             std::wstring_view (*nameOf)(const typename Records::value_type&)) {
    auto found = std::find_if(records.begin(), records.end(), [&](const auto& record) {
        return dv_same_text(nameOf(record), name);
    });
    return found == records.end() ? nullptr : &*found;
}

std::wstring_view handleOf(const IniFile& file) {
    return file.handle;
}
std::wstring_view nameOf(const IniSection& section) {
    return section.name;
}
std::wstring_view itemNameOf(const IniItem& item) {
    return item.name;
}

} // namespace

IniStore& IniStore::get() {
    static IniStore store;
    return store;
}

IniFile* IniStore::find(std::wstring_view handle) {
    return findIn(files_, handle, handleOf);
}

IniFile* IniStore::prototypes(std::wstring_view handle) {
    return findIn(prototypes_, handle, handleOf);
}

IniFile& IniStore::add(std::wstring_view path, std::wstring_view handle) {
    IniFile& prototype = prototypes_.emplace_back();
    prototype.path = path;
    prototype.handle = handle;
    IniFile& file = files_.emplace_back();
    file.path = path;
    file.handle = handle;
    file.dirty = true;
    return file;
}

void IniStore::remove(std::wstring_view handle) {
    // The caller's view may point into the record that goes first.
    const std::wstring name(handle);
    auto same = [&](const IniFile& file) { return dv_same_text(file.handle, name); };
    files_.remove_if(same);
    prototypes_.remove_if(same);
}

IniSection* ini_find_section(IniFile& file, std::wstring_view name) {
    return findIn(file.sections, name, nameOf);
}

IniSection* ini_find_section(std::wstring_view handle, std::wstring_view name) {
    IniFile* file = IniStore::get().find(handle);
    return file != nullptr ? ini_find_section(*file, name) : nullptr;
}

IniItem* ini_find_item(IniSection& section, std::wstring_view name) {
    return findIn(section.items, name, itemNameOf);
}

IniSection& ini_section(IniFile& file, std::wstring_view name) {
    if (IniSection* section = ini_find_section(file, name))
        return *section;
    IniSection& section = file.sections.emplace_back();
    section.name = name;
    return section;
}

IniItem& ini_item(IniSection& section, std::wstring_view name) {
    if (IniItem* item = ini_find_item(section, name))
        return *item;
    IniItem& item = section.items.emplace_back();
    item.name = name;
    return item;
}

void ini_insert_described(IniSection& section, IniItem item) {
    auto last =
        std::find_if(section.items.rbegin(), section.items.rend(), [&](const IniItem& other) {
            return !ini_natural_less(item.name, other.name);
        });
    section.items.insert(last.base(), std::move(item));
}
