// The Win32 registry calls at the C boundary.
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/win/registry.h"
#include "host/win/registry_handles.h"
#include "windows.h"

#include <cstring>
#include <string>

namespace {

using vma::win::RegHandle;
using vma::win::RegHandles;
using vma::win::RegKey;
using vma::win::RegValue;

std::wstring_view text(LPCWSTR s) {
    return s == nullptr ? std::wstring_view() : std::wstring_view(s);
}

// The open, undeleted key behind a handle, or the error code to return.
LSTATUS keyOf(HKEY hKey, RegHandle*& handle) {
    handle = RegHandles::get().find(hKey);
    if (handle == nullptr)
        return ERROR_INVALID_HANDLE;
    return handle->key->deleted ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

bool mayWrite(const RegHandle& handle) {
    return (handle.access & KEY_SET_VALUE) != 0;
}

LSTATUS saved() {
    auto result = vma::win::Registry::get().save();
    if (result)
        return ERROR_SUCCESS;
    vma::host::Session::get().print(L"Warning: " + vma::utf8ToWide(result.error().message) + L"\n");
    return ERROR_ACCESS_DENIED;
}

// Copies data to a caller's buffer by Win32 rules: size only when there is no
// buffer, ERROR_MORE_DATA with the size needed when it is too small.
LSTATUS copyData(const std::vector<uint8_t>& data, LPBYTE lpData, LPDWORD lpcbData) {
    if (lpcbData == nullptr)
        return lpData == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    DWORD room = *lpcbData;
    *lpcbData = static_cast<DWORD>(data.size());
    if (lpData == nullptr)
        return ERROR_SUCCESS;
    if (room < data.size())
        return ERROR_MORE_DATA;
    std::memcpy(lpData, data.data(), data.size());
    return ERROR_SUCCESS;
}

// Copies a name with its NUL into a buffer of *count characters; *count
// becomes the characters copied without the NUL.
LSTATUS copyName(const std::wstring& name, LPWSTR buffer, LPDWORD count) {
    if (buffer == nullptr || count == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (*count < name.size() + 1)
        return ERROR_MORE_DATA;
    std::wmemcpy(buffer, name.c_str(), name.size() + 1);
    *count = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

std::vector<uint8_t> storedData(DWORD type, const BYTE* lpData, DWORD cbData) {
    std::vector<uint8_t> data(lpData, lpData + cbData);
    if (!vma::win::isStringType(type))
        return data;
    data.resize(data.size() / sizeof(wchar_t) * sizeof(wchar_t));
    wchar_t last = L'\0';
    if (!data.empty())
        std::memcpy(&last, data.data() + data.size() - sizeof(wchar_t), sizeof(wchar_t));
    if (data.empty() || last != L'\0')
        data.resize(data.size() + sizeof(wchar_t), 0);
    return data;
}

} // namespace

extern "C" {

LSTATUS RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    RegKey* key = handle->key->find(text(lpSubKey));
    if (key == nullptr)
        return ERROR_FILE_NOT_FOUND;
    *phkResult = RegHandles::get().open(key->shared_from_this(), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (phkResult == nullptr || lpSubKey == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    bool created = false;
    RegKey* key = handle->key->create(text(lpSubKey), created);
    if (created) {
        if (LSTATUS status = saved(); status != ERROR_SUCCESS)
            return status;
    }
    if (lpdwDisposition != nullptr)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phkResult = RegHandles::get().open(key->shared_from_this(), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                         LPDWORD lpcbData) {
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    const RegValue* value = handle->key->findValue(text(lpValueName));
    if (value == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (lpType != nullptr)
        *lpType = value->type;
    return copyData(value->data, lpData, lpcbData);
}

LSTATUS RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                       DWORD cbData) {
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    if (!mayWrite(*handle))
        return ERROR_ACCESS_DENIED;
    if (lpData == nullptr && cbData != 0)
        return ERROR_INVALID_PARAMETER;
    std::vector<uint8_t> data = storedData(dwType, lpData, lpData == nullptr ? 0 : cbData);
    RegKey& key = *handle->key;
    if (RegValue* value = key.findValue(text(lpValueName))) {
        value->type = dwType;
        value->data = std::move(data);
    } else {
        key.values.push_back(RegValue{std::wstring(text(lpValueName)), dwType, std::move(data)});
    }
    return saved();
}

LSTATUS RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    if (!mayWrite(*handle))
        return ERROR_ACCESS_DENIED;
    RegKey& key = *handle->key;
    const RegValue* value = key.findValue(text(lpValueName));
    if (value == nullptr)
        return ERROR_FILE_NOT_FOUND;
    key.values.erase(key.values.begin() + (value - key.values.data()));
    return saved();
}

LSTATUS RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
    if (lpSubKey == nullptr || *lpSubKey == 0)
        return ERROR_INVALID_PARAMETER;
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    RegKey* key = handle->key->find(lpSubKey);
    if (key == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (!key->subkeys.empty() || key->parent == nullptr)
        return ERROR_ACCESS_DENIED;
    key->deleted = true;
    key->parent->subkeys.erase(key->name);
    return saved();
}

LSTATUS RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD,
                      LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    const auto& values = handle->key->values;
    if (dwIndex >= values.size())
        return ERROR_NO_MORE_ITEMS;
    const RegValue& value = values[dwIndex];
    if (LSTATUS status = copyName(value.name, lpValueName, lpcchValueName); status != ERROR_SUCCESS)
        return status;
    if (lpType != nullptr)
        *lpType = value.type;
    return copyData(value.data, lpData, lpcbData);
}

LSTATUS RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD,
                      LPWSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    RegHandle* handle = nullptr;
    if (LSTATUS status = keyOf(hKey, handle); status != ERROR_SUCCESS)
        return status;
    const auto& subkeys = handle->key->subkeys;
    if (dwIndex >= subkeys.size())
        return ERROR_NO_MORE_ITEMS;
    auto it = std::next(subkeys.begin(), static_cast<long>(dwIndex));
    if (LSTATUS status = copyName(it->second->name, lpName, lpcchName); status != ERROR_SUCCESS)
        return status;
    if (lpClass != nullptr && lpcchClass != nullptr && *lpcchClass > 0)
        *lpClass = L'\0';
    if (lpcchClass != nullptr)
        *lpcchClass = 0;
    if (lpftLastWriteTime != nullptr)
        *lpftLastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey) {
    return RegHandles::get().close(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // extern "C"
