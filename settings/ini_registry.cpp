#include "settings/ini_registry.h"

#include "settings/dv_ini.h"
#include "settings/ini_registry_key.h"
#include "settings/ini_value.h"

namespace {

// The longest value a setting holds; longer registry data is cut.
constexpr size_t kValueChars = 250;

HKEY rootOf(const IniFile& file) {
    return file.storage == DV_INI_REGISTRY_MACHINE ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring sectionPath(const IniFile& file, std::wstring_view section) {
    return file.path + L"\\" + std::wstring(section);
}

std::wstring cut(std::wstring text) {
    if (text.size() > kValueChars)
        text.resize(kValueChars);
    return text;
}

bool setValue(HKEY key, const std::wstring& name, DWORD type, const BYTE* data, size_t size) {
    return RegSetValueExW(key, name.c_str(), 0, type, data, static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool setText(HKEY key, std::wstring_view name, const std::wstring& text) {
    return setValue(key, std::wstring(name), REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                    (text.size() + 1) * sizeof(wchar_t));
}

// A section key goes with its last value: 0, or 2 when it cannot be deleted.
int removeWhenEmpty(const IniFile& file, std::wstring_view section, IniRegistryKey& key) {
    if (ini_registry_has_values(key.get()))
        return 0;
    key.close();
    IniRegistryKey parent;
    if (!parent.open(rootOf(file), file.path, KEY_ALL_ACCESS))
        return 2;
    const std::wstring name(section);
    return RegDeleteKeyW(parent.get(), name.c_str()) == ERROR_SUCCESS ? 0 : 2;
}

} // namespace

int ini_registry_write(const IniFile& file, std::wstring_view section, std::wstring_view item,
                       int type, const DvValue& value) {
    const std::optional<std::wstring> text = dv_ini_value_text(type, value);
    if (!text)
        return DV_FAILED;
    IniRegistryKey key;
    if (!key.create(rootOf(file), sectionPath(file, section)))
        return 1;
    return setText(key.get(), item, *text) ? 0 : 2;
}

// A value of another kind than a string was not written by the store and
// reads as no value at all.
int ini_registry_read(const IniFile& file, std::wstring_view section, std::wstring_view item,
                      int type, DvValue& value) {
    IniRegistryKey key;
    if (!key.open(rootOf(file), sectionPath(file, section), KEY_READ))
        return 1;
    const std::optional<IniRegistryValue> stored = ini_registry_value(key.get(), item);
    const std::optional<std::wstring> text = stored ? stored->text() : std::nullopt;
    if (!text)
        return 0;
    return dv_ini_registry_value(cut(*text), type, value);
}

int ini_registry_delete(const IniFile& file, std::wstring_view section, std::wstring_view item) {
    IniRegistryKey key;
    if (!key.open(rootOf(file), sectionPath(file, section), KEY_ALL_ACCESS))
        return 2;
    const std::wstring name(item);
    if (RegDeleteValueW(key.get(), name.c_str()) != ERROR_SUCCESS)
        return 2;
    return removeWhenEmpty(file, section, key);
}

int ini_registry_list_items(const IniFile& file, std::wstring_view section,
                            std::vector<std::wstring>& names, std::vector<std::wstring>& values) {
    names.clear();
    values.clear();
    IniRegistryKey key;
    if (!key.open(rootOf(file), sectionPath(file, section), KEY_READ))
        return 0;
    const auto stored = ini_registry_values(key.get());
    if (!stored)
        return 1;
    for (const IniRegistryValue& value : *stored) {
        std::optional<std::wstring> text = value.text();
        if (!text)
            continue;
        names.push_back(value.name);
        values.push_back(cut(std::move(*text)));
    }
    return 0;
}

int ini_registry_list_sections(const IniFile& file, std::vector<std::wstring>& names) {
    names.clear();
    IniRegistryKey key;
    if (!key.open(rootOf(file), file.path, KEY_READ))
        return 1;
    names = ini_registry_subkeys(key.get());
    return names.empty() ? 1 : 0;
}

// Each value is written under the new key before it leaves the old one, so
// a failure halfway loses nothing. Values move with their own type and data.
int ini_registry_rename_section(const IniFile& file, std::wstring_view oldName,
                                std::wstring_view newName) {
    const HKEY root = rootOf(file);
    IniRegistryKey existing;
    if (existing.open(root, sectionPath(file, newName), KEY_READ))
        return 1;
    IniRegistryKey from;
    if (!from.open(root, sectionPath(file, oldName), KEY_ALL_ACCESS))
        return 2;
    const auto values = ini_registry_values(from.get());
    IniRegistryKey to;
    if (!values || !to.create(root, sectionPath(file, newName)))
        return 2;
    for (const IniRegistryValue& value : *values) {
        if (!setValue(to.get(), value.name, value.type, value.data.data(), value.data.size()))
            return 2;
        if (RegDeleteValueW(from.get(), value.name.c_str()) != ERROR_SUCCESS)
            return 2;
    }
    return removeWhenEmpty(file, oldName, from);
}
