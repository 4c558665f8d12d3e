// MoveFileExW: renaming a file, replacing its target in one step when asked,
// which is how the module puts a rewritten file in place.
#include "host/win/paths.h"
#include "windows.h"

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

BOOL fail(DWORD code) {
    SetLastError(code);
    return FALSE;
}

} // namespace

extern "C" BOOL MoveFileExW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, DWORD dwFlags) {
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr)
        return fail(ERROR_INVALID_PARAMETER);
    fs::path from = vma::win::hostPath(lpExistingFileName);
    fs::path to = vma::win::hostPath(lpNewFileName);
    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        return fail(ERROR_FILE_NOT_FOUND);
    bool replace = (dwFlags & MOVEFILE_REPLACE_EXISTING) != 0;
    if (!replace && fs::exists(to, ec))
        return fail(ERROR_ACCESS_DENIED);
    // rename(2) replaces an existing file atomically.
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return fail(ERROR_ACCESS_DENIED);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
