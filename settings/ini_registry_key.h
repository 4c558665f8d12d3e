// An open registry key that closes itself, and the reads the settings store
// makes of one: values with their data whole, subkey names.
#pragma once

#include "windows.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniRegistryKey {
public:
    IniRegistryKey() = default;
    IniRegistryKey(const IniRegistryKey&) = delete;
    IniRegistryKey& operator=(const IniRegistryKey&) = delete;
    ~IniRegistryKey();

    // An existing key; false when it cannot be opened with that access.
    bool open(HKEY root, std::wstring_view path, REGSAM access);
    // The key, made with the keys on the way when missing.
    bool create(HKEY root, std::wstring_view path);
    void close();

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

struct IniRegistryValue {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    // A string value's text up to its terminating null; other types give none.
    std::optional<std::wstring> text() const;
};

// Every value of the key in enumeration order; nullopt when the enumeration
// fails before its end.
std::optional<std::vector<IniRegistryValue>> ini_registry_values(HKEY key);
// The named value; nullopt when there is none.
std::optional<IniRegistryValue> ini_registry_value(HKEY key, std::wstring_view name);
// The names of the key's subkeys in enumeration order, up to the end or to
// the first failing step.
std::vector<std::wstring> ini_registry_subkeys(HKEY key);
// True when the key holds at least one value.
bool ini_registry_has_values(HKEY key);
