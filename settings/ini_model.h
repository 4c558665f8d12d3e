// The records of an open settings file: the file, its sections in order and
// their items in order, with what the description gave each of them.
#pragma once

#include <list>
#include <optional>
#include <string>

struct IniItem {
    std::wstring name;  // a comment line keeps the whole line, ';' included
    std::wstring value; // empty when none
    std::optional<std::wstring> defaultText;
    int type = 0;            // ADS type code from the description; 0 = not described
    int descriptionLine = 0; // line of the section's catalogue section explaining it
    std::optional<std::wstring> validation;
    bool described = false;
    bool hasValue = false;

    bool isComment() const { return !name.empty() && name.front() == L';'; }
};

struct IniSection {
    std::wstring name;
    int descriptionSection = 0; // catalogue section describing the items; 0 = none
    int variableSection = 0;    // 1 when the items came from a section prototype
    std::list<IniItem> items;
};

struct IniFile {
    std::wstring path; // file path, or the key path below the registry root
    std::wstring handle;
    std::list<IniSection> sections;
    unsigned storage = 0;            // DV_INI_FILE or a registry root
    unsigned descriptionSection = 0; // 0 = opened without description
    unsigned linesPerItem = 1;
    unsigned validation = 0; // 1: rejected values are explained in a message box
    bool dirty = false;
};

// The attributes of an item as dv_ini_get_item_info hands them out.
struct DvIniItemInfo {
    std::optional<std::wstring> defaultText;
    int type = 0;
    int descriptionLine = 0;
    std::optional<std::wstring> validation;
    int described = 0;
    int hasValue = 0;
};

struct DvIniSectionInfo {
    int descriptionSection = 0;
    int variableSection = 0;
};
