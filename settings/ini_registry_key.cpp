#include "settings/ini_registry_key.h"

#include <cstring>

namespace {

// Names longer than this are not names the registry makes.
constexpr DWORD kLongestName = 16383;
constexpr DWORD kFirstNameRoom = 162;
constexpr size_t kFirstDataRoom = 1024;

} // namespace

IniRegistryKey::~IniRegistryKey() {
    close();
}

bool IniRegistryKey::open(HKEY root, std::wstring_view path, REGSAM access) {
    close();
    const std::wstring name(path);
    if (RegOpenKeyExW(root, name.c_str(), 0, access, &key_) == ERROR_SUCCESS)
        return true;
    key_ = nullptr;
    return false;
}

bool IniRegistryKey::create(HKEY root, std::wstring_view path) {
    close();
    const std::wstring name(path);
    if (RegCreateKeyExW(root, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) == ERROR_SUCCESS)
        return true;
    key_ = nullptr;
    return false;
}

void IniRegistryKey::close() {
    if (key_ != nullptr)
        RegCloseKey(key_);
    key_ = nullptr;
}

std::optional<std::wstring> IniRegistryValue::text() const {
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    std::wstring result(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(result.data(), data.data(), result.size() * sizeof(wchar_t));
    if (const size_t end = result.find(L'\0'); end != std::wstring::npos)
        result.resize(end);
    return result;
}

namespace {

// One enumerated value, its buffers grown until name and data fit: the
// status of the enumeration call.
LSTATUS enumValue(HKEY key, DWORD index, IniRegistryValue& value) {
    std::vector<wchar_t> name(kFirstNameRoom);
    value.data.resize(kFirstDataRoom);
    for (;;) {
        DWORD nameRoom = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(value.data.size());
        const LSTATUS status = RegEnumValueW(key, index, name.data(), &nameRoom, nullptr,
                                             &value.type, value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.name.assign(name.data(), nameRoom);
            value.data.resize(size);
            return status;
        }
        if (status != ERROR_MORE_DATA || name.size() > kLongestName)
            return status;
        if (size > value.data.size())
            value.data.resize(size);
        else
            name.resize(name.size() * 2);
    }
}

} // namespace

std::optional<std::vector<IniRegistryValue>> ini_registry_values(HKEY key) {
    std::vector<IniRegistryValue> values;
    for (DWORD index = 0;; ++index) {
        IniRegistryValue value;
        const LSTATUS status = enumValue(key, index, value);
        if (status == ERROR_NO_MORE_ITEMS)
            return values;
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        values.push_back(std::move(value));
    }
}

std::optional<IniRegistryValue> ini_registry_value(HKEY key, std::wstring_view name) {
    IniRegistryValue value;
    value.name = std::wstring(name);
    DWORD size = 0;
    if (RegQueryValueExW(key, value.name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExW(key, value.name.c_str(), nullptr, &value.type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::vector<std::wstring> ini_registry_subkeys(HKEY key) {
    std::vector<std::wstring> names;
    std::vector<wchar_t> name(kFirstNameRoom);
    for (DWORD index = 0;;) {
        DWORD room = static_cast<DWORD>(name.size());
        const LSTATUS status =
            RegEnumKeyExW(key, index, name.data(), &room, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA && name.size() <= kLongestName) {
            name.resize(name.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS)
            return names;
        names.emplace_back(name.data(), room);
        ++index;
    }
}

bool ini_registry_has_values(HKEY key) {
    IniRegistryValue value;
    return enumValue(key, 0, value) == ERROR_SUCCESS;
}
