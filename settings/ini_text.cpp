#include "settings/ini_load.h"
#include "settings/ini_names.h"

namespace {

bool holdsValues(const IniSection& section) {
    for (const IniItem& item : section.items)
        if (item.hasValue)
            return true;
    return false;
}

} // namespace

std::vector<std::wstring> ini_file_lines(const IniFile& file) {
    std::vector<std::wstring> lines;
    for (const IniSection& section : file.sections) {
        if (ini_is_deleted(section.name) || !holdsValues(section))
            continue;
        const bool head = &section == &file.sections.front();
        if (!head)
            lines.emplace_back();
        if (!head || section.name != kDummySection)
            lines.push_back(L"[" + section.name + L"]");
        for (const IniItem& item : section.items)
            if (item.hasValue)
                lines.push_back(item.isComment() ? item.name : item.name + L"=" + item.value);
    }
    return lines;
}
