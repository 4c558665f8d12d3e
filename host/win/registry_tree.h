// The registry in memory: two root keys (HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE), each a tree of keys holding typed values. Names of keys
// and values compare without regard to case; values keep the order they were
// made in, subkeys are kept in alphabetical order as the system lists them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vma::win {

struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};

struct RegValue {
    std::wstring name; // empty for the default value
    uint32_t type = 0;
    std::vector<uint8_t> data; // strings as wchar_t with their NUL
};

struct RegKey : std::enable_shared_from_this<RegKey> {
    std::wstring name;
    RegKey* parent = nullptr;
    bool deleted = false;
    std::vector<RegValue> values;
    std::map<std::wstring, std::shared_ptr<RegKey>, NoCaseLess> subkeys;

    RegValue* findValue(std::wstring_view valueName);
    // The subkey at a '\'-separated path below this key, or nullptr.
    RegKey* find(std::wstring_view path);
    // As find, creating the keys that are missing; created says whether any was.
    RegKey* create(std::wstring_view path, bool& created);
    // "HKEY_CURRENT_USER\Software\..." for this key.
    std::wstring fullName() const;
};

struct RegTree {
    std::shared_ptr<RegKey> currentUser;
    std::shared_ptr<RegKey> localMachine;

    RegTree();
    // The root of that name ("HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE", any
    // case, also HKCU and HKLM), or nullptr.
    RegKey* root(std::wstring_view name) const;
};

// Strings in registry data: wchar_t units with a terminating NUL.
std::vector<uint8_t> stringData(std::wstring_view text);
std::wstring dataString(const std::vector<uint8_t>& data);
bool isStringType(uint32_t type);

} // namespace vma::win
