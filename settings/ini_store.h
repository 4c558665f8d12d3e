// The open settings files: the main list of records and, beside it, a record
// per file holding only its section prototypes. Settings files are small and
// few, so every lookup is a linear, case-insensitive walk.
#pragma once

#include "settings/ini_model.h"

#include <list>
#include <string_view>

class IniStore {
public:
    static IniStore& get();

    IniFile* find(std::wstring_view handle);
    IniFile* prototypes(std::wstring_view handle);
    // Appends a record to both lists; the main one starts dirty.
    IniFile& add(std::wstring_view path, std::wstring_view handle);
    void remove(std::wstring_view handle);

    std::list<IniFile>& files() { return files_; }
    // The storage mode of the most recently opened file.
    unsigned lastStorage = 0;

private:
    std::list<IniFile> files_;
    std::list<IniFile> prototypes_;
};

IniSection* ini_find_section(IniFile& file, std::wstring_view name);
// The section of an open file; null when the file is not open or has none of that name.
IniSection* ini_find_section(std::wstring_view handle, std::wstring_view name);
IniItem* ini_find_item(IniSection& section, std::wstring_view name);
// The section, appended at the end of the list when missing.
IniSection& ini_section(IniFile& file, std::wstring_view name);
// The item, appended at the end of the section when missing.
IniItem& ini_item(IniSection& section, std::wstring_view name);
// Puts a described item after every item that does not sort after it.
void ini_insert_described(IniSection& section, IniItem item);
