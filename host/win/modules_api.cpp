// GetModuleHandleW, GetModuleFileNameW and the thread's last error.
#include "host/win/modules.h"
#include "windows.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// A host path as a Windows-style name: '\' separators. hostPath() maps such a
// name back to the same file, so the module can take its folder off it.
std::wstring windowsName(const std::filesystem::path& file) {
    std::wstring name = file.wstring();
    std::replace(name.begin(), name.end(), L'/', L'\\');
    return name;
}

} // namespace

extern "C" {

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD dwErrCode) {
    lastError = dwErrCode;
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
    if (lpModuleName == nullptr)
        return vma::win::Modules::program();
    HMODULE module = vma::win::Modules::get().find(lpModuleName);
    if (module == nullptr)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return module;
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    std::filesystem::path file = vma::win::Modules::get().file(hModule);
    if (file.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (lpFilename == nullptr || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::wstring name = windowsName(file);
    if (name.size() < nSize) {
        std::wmemcpy(lpFilename, name.c_str(), name.size() + 1);
        SetLastError(ERROR_SUCCESS);
        return static_cast<DWORD>(name.size());
    }
    std::wmemcpy(lpFilename, name.c_str(), nSize - 1);
    lpFilename[nSize - 1] = L'\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
}

} // extern "C"
