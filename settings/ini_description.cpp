#include "adscodes.h"
#include "settings/ini_load.h"
#include "settings/ini_names.h"
#include "settings/ini_store.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_compare.h"

#include <array>
#include <cwchar>
#include <optional>
#include <utility>

namespace {

// A catalogue line of at least two characters; nullopt ends a description.
std::optional<std::wstring> descriptionLine(int section, int line) {
    std::wstring text;
    if (dv_catalogue_text(text, section, line) != 0 || text.size() < 2)
        return std::nullopt;
    return text;
}

std::wstring_view withoutTrailingBlanks(std::wstring_view text) {
    size_t end = text.find_last_not_of(L' ');
    return end == std::wstring_view::npos ? std::wstring_view() : text.substr(0, end + 1);
}

int typeCode(std::wstring_view name) {
    static constexpr std::array<std::pair<std::wstring_view, int>, 6> kTypes{{
        {L"RTREAL", RTREAL},
        {L"RTSHORT", RTSHORT},
        {L"RTSTR", RTSTR},
        {L"RTLONG", RTLONG},
        {L"RTPOINT", RTPOINT},
        {L"RT3DPOINT", RT3DPOINT},
    }};
    for (const auto& [text, code] : kTypes)
        if (dv_same_text(name, text))
            return code;
    return 0;
}

// TYPE#DEFAULT#VALIDATION, each part without its trailing blanks.
void readTypeLine(IniItem& item, std::wstring_view line) {
    size_t first = line.find(L'#');
    item.type = typeCode(withoutTrailingBlanks(line.substr(0, first)));
    if (first == std::wstring_view::npos)
        return;
    std::wstring_view rest = line.substr(first + 1);
    size_t second = rest.find(L'#');
    item.defaultText = std::wstring(withoutTrailingBlanks(rest.substr(0, second)));
    if (second == std::wstring_view::npos)
        return;
    std::wstring_view spec = withoutTrailingBlanks(rest.substr(second + 1));
    if (!spec.empty())
        item.validation = std::wstring(spec);
}

void describeItems(IniSection& section, int linesPerItem) {
    const int step = linesPerItem > 1 ? linesPerItem : 1;
    for (int line = 1;; line += step) {
        std::optional<std::wstring> text = descriptionLine(section.descriptionSection, line);
        if (!text)
            return;
        IniItem item;
        item.name = text->substr(0, text->find(L'='));
        item.described = true;
        item.descriptionLine = line;
        if (step > 1)
            if (std::optional<std::wstring> type =
                    descriptionLine(section.descriptionSection, line + 1))
                readTypeLine(item, *type);
        ini_insert_described(section, std::move(item));
    }
}

int sectionNumber(std::wstring_view text) {
    return static_cast<int>(std::wcstol(std::wstring(text).c_str(), nullptr, 10));
}

} // namespace

void ini_load_description(IniFile& file, IniFile& prototypes, int descriptionSection,
                          int linesPerItem) {
    for (int line = 1;; ++line) {
        std::optional<std::wstring> text = descriptionLine(descriptionSection, line);
        if (!text)
            break;
        size_t equals = text->find(L'=');
        if (equals == std::wstring::npos)
            continue;
        std::wstring_view name = std::wstring_view(*text).substr(0, equals);
        std::wstring_view value = std::wstring_view(*text).substr(equals + 1);
        if (!dv_same_text(name, L"VAR_RUBRIEK")) {
            IniSection& section = file.sections.emplace_back();
            section.name = name;
            section.descriptionSection = sectionNumber(value);
            continue;
        }
        size_t comma = value.find(L',');
        if (comma == std::wstring_view::npos)
            continue;
        IniSection& prototype = prototypes.sections.emplace_back();
        prototype.name = value.substr(comma + 1);
        prototype.descriptionSection = sectionNumber(value.substr(0, comma));
    }
    for (IniSection& section : file.sections)
        describeItems(section, linesPerItem);
    for (IniSection& prototype : prototypes.sections)
        describeItems(prototype, linesPerItem);
}

void ini_apply_prototypes(IniFile& file, const IniFile& prototypes) {
    for (const IniSection& prototype : prototypes.sections) {
        for (IniSection& section : file.sections) {
            if (!dv_starts_with_text(section.name, prototype.name))
                continue;
            section.variableSection = 1;
            section.descriptionSection = prototype.descriptionSection;
            IniSection read;
            read.items = std::move(section.items);
            section.items = prototype.items;
            for (IniItem& item : section.items) {
                item.value.clear();
                item.hasValue = false;
                item.described = true;
                if (IniItem* old = ini_find_item(read, item.name)) {
                    item.value = old->value;
                    item.hasValue = true;
                }
            }
        }
    }
}
