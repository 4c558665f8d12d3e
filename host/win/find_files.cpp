// FindFirstFileW / FindNextFileW / FindClose: a folder named the Windows way,
// its entries matched against the wildcards of the last component. A search
// for drawings (*.DWG) also finds the .dxf files this host keeps them in,
// reported under their .dwg names, which the file calls map back.
#include "host/base/text.h"
#include "host/win/paths.h"
#include "host/win/wildcard.h"
#include "windows.h"

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Search {
    std::vector<WIN32_FIND_DATAW> found;
    size_t next = 0;
};

std::map<HANDLE, std::unique_ptr<Search>>& searches() {
    static std::map<HANDLE, std::unique_ptr<Search>> open;
    return open;
}

bool endsWithNoCase(std::wstring_view text, std::wstring_view tail) {
    return text.size() >= tail.size() &&
           vma::upperName(text.substr(text.size() - tail.size())) == vma::upperName(tail);
}

// The name a drawing kept as NAME.dxf goes by: NAME.dwg, in the case of the extension.
std::wstring drawingName(std::wstring name) {
    wchar_t& x = name[name.size() - 2];
    wchar_t& f = name[name.size() - 1];
    x = x == L'X' ? L'W' : L'w';
    f = f == L'F' ? L'G' : L'g';
    return name;
}

FILETIME fileTime(fs::file_time_type time) {
    using namespace std::chrono;
    constexpr uint64_t kUnixEpochIn1601 = 116444736000000000ULL;
    auto since = duration_cast<microseconds>(file_clock::to_sys(time).time_since_epoch()).count();
    uint64_t ticks = kUnixEpochIn1601 + static_cast<uint64_t>(since) * 10;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

WIN32_FIND_DATAW describe(const fs::directory_entry& entry, const std::wstring& name) {
    WIN32_FIND_DATAW data{};
    std::error_code ec;
    bool folder = entry.is_directory(ec);
    data.dwFileAttributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    auto perms = entry.status(ec).permissions();
    if ((perms & fs::perms::owner_write) == fs::perms::none)
        data.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
    uint64_t size = folder ? 0 : entry.file_size(ec);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size);
    data.ftLastWriteTime = fileTime(entry.last_write_time(ec));
    data.ftCreationTime = data.ftLastWriteTime;
    data.ftLastAccessTime = data.ftLastWriteTime;
    size_t length = std::min<size_t>(name.size(), MAX_PATH - 1);
    std::wmemcpy(data.cFileName, name.c_str(), length);
    data.cFileName[length] = L'\0';
    return data;
}

// The reported name of an entry when it matches the pattern, else empty.
std::wstring matchName(std::wstring_view pattern, const std::wstring& name,
                       const fs::path& folder) {
    if (vma::win::matchesFilePattern(pattern, name))
        return name;
    if (!endsWithNoCase(pattern, L".dwg") || !endsWithNoCase(name, L".dxf"))
        return {};
    std::wstring drawing = drawingName(name);
    std::error_code ec;
    if (fs::exists(folder / drawing, ec) || !vma::win::matchesFilePattern(pattern, drawing))
        return {};
    return drawing;
}

std::vector<WIN32_FIND_DATAW> listMatches(std::wstring_view pattern) {
    size_t cut = pattern.find_last_of(L"\\/:");
    std::wstring_view folderName =
        cut == std::wstring_view::npos ? L"." : pattern.substr(0, cut + 1);
    std::wstring_view namePattern =
        cut == std::wstring_view::npos ? pattern : pattern.substr(cut + 1);
    fs::path folder = vma::win::hostPath(folderName);
    std::vector<std::pair<std::wstring, WIN32_FIND_DATAW>> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::wstring name = matchName(namePattern, entry.path().filename().wstring(), folder);
        if (!name.empty())
            found.emplace_back(vma::upperName(std::wstring_view(name)), describe(entry, name));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<WIN32_FIND_DATAW> out;
    for (auto& [key, data] : found)
        out.push_back(data);
    return out;
}

} // namespace

extern "C" {

HANDLE FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
    if (lpFileName == nullptr || lpFindFileData == nullptr || *lpFileName == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<Search>();
    search->found = listMatches(lpFileName);
    if (search->found.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *lpFindFileData = search->found[search->next++];
    HANDLE handle = search.get();
    searches().emplace(handle, std::move(search));
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
    auto it = searches().find(hFindFile);
    if (it == searches().end() || lpFindFileData == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Search& search = *it->second;
    if (search.next >= search.found.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *lpFindFileData = search.found[search.next++];
    return TRUE;
}

BOOL FindClose(HANDLE hFindFile) {
    if (searches().erase(hFindFile) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

} // extern "C"
