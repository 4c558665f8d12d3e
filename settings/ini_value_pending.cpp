// Placeholder bodies of the typed-value and registry layer so the store links
// while that layer is built beside it; removed when it lands.
#include "settings/ini_registry.h"
#include "settings/ini_value.h"

#include <cwchar>

std::optional<std::wstring> dv_ini_value_text(int type, const DvValue& value) {
    if (type == RTSTR)
        return value.text;
    if (type == RTSHORT || type == RTLONG)
        return std::to_wstring(value.integer);
    return std::nullopt;
}
int dv_ini_text_value(std::wstring_view text, int type, DvValue& value) {
    value.text = text;
    value.integer = static_cast<int>(std::wcstol(std::wstring(text).c_str(), nullptr, 10));
    return type == RTSTR || type == RTSHORT || type == RTLONG ? 0 : -32000;
}
int dv_ini_default_value(std::wstring_view text, int type, DvValue& value) {
    return dv_ini_text_value(text, type, value) == 0 ? 0 : 2;
}
int dv_ini_registry_value(std::wstring_view text, int type, DvValue& value) {
    return dv_ini_text_value(text, type, value);
}
int dv_ini_validate(const IniItem&, const DvValue&, int, unsigned) {
    return 1;
}
int ini_registry_write(const IniFile&, std::wstring_view, std::wstring_view, int, const DvValue&) {
    return 1;
}
int ini_registry_read(const IniFile&, std::wstring_view, std::wstring_view, int, DvValue&) {
    return 1;
}
int ini_registry_delete(const IniFile&, std::wstring_view, std::wstring_view) {
    return 2;
}
int ini_registry_list_items(const IniFile&, std::wstring_view, std::vector<std::wstring>&,
                            std::vector<std::wstring>&) {
    return 1;
}
int ini_registry_list_sections(const IniFile&, std::vector<std::wstring>&) {
    return 1;
}
int ini_registry_rename_section(const IniFile&, std::wstring_view, std::wstring_view) {
    return 2;
}
