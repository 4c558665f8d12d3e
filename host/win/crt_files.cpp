// The C runtime's wide-character environment and file calls, with Windows
// names mapped to host paths.
#include "host/base/text.h"
#include "host/win/paths.h"
#include "windows.h"

#include <cerrno>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A drive letter's folder exists as a drive does on Windows, so a file can be
// made at its top.
void ensureDrive(const wchar_t* name) {
    if (name[0] == 0 || name[1] != L':')
        return;
    wchar_t letter = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(name[0])));
    std::error_code ec;
    fs::create_directories(vma::win::profileFolder() / (L"drive_" + std::wstring(1, letter)), ec);
}

fs::path hostFile(const wchar_t* name) {
    ensureDrive(name);
    return vma::win::hostPath(name);
}

std::string hostName(const wchar_t* name) {
    return hostFile(name).string();
}

// "rb", "w+", "rt, ccs=UTF-8" ... as fopen takes them: text and binary are the
// same here, the encoding option is dropped.
std::string fopenMode(const wchar_t* mode) {
    std::string out;
    for (const wchar_t* p = mode; *p != 0 && *p != L','; ++p)
        if (*p == L'r' || *p == L'w' || *p == L'a' || *p == L'+')
            out += static_cast<char>(*p);
    return out;
}

int accessMode(int mode) {
    int flags = F_OK;
    if (mode & 2)
        flags |= W_OK;
    if (mode & 4)
        flags |= R_OK;
    return flags;
}

} // namespace

extern "C" {

wchar_t* _wgetenv(const wchar_t* varname) {
    // One converted copy per variable; it is replaced only when the value changed.
    static std::map<std::wstring, std::wstring> cache;
    if (varname == nullptr)
        return nullptr;
    const char* value = std::getenv(vma::wideToUtf8(varname).c_str());
    if (value == nullptr)
        return nullptr;
    std::wstring wide = vma::utf8ToWide(value);
    std::wstring& slot = cache[varname];
    if (slot != wide)
        slot = std::move(wide);
    return slot.data();
}

FILE* _wfopen(const wchar_t* filename, const wchar_t* mode) {
    if (filename == nullptr || mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    std::string narrowMode = fopenMode(mode);
    if (narrowMode.empty()) {
        errno = EINVAL;
        return nullptr;
    }
    return std::fopen(hostName(filename).c_str(), narrowMode.c_str());
}

int _waccess(const wchar_t* path, int mode) {
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return ::access(hostName(path).c_str(), accessMode(mode));
}

int _wrename(const wchar_t* oldname, const wchar_t* newname) {
    if (oldname == nullptr || newname == nullptr) {
        errno = EINVAL;
        return -1;
    }
    std::string to = hostName(newname);
    std::error_code ec;
    if (fs::exists(to, ec)) {
        errno = EACCES;
        return -1;
    }
    return std::rename(hostName(oldname).c_str(), to.c_str());
}

int _wremove(const wchar_t* path) {
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return ::unlink(hostName(path).c_str());
}

int _wmkdir(const wchar_t* dirname) {
    if (dirname == nullptr) {
        errno = EINVAL;
        return -1;
    }
    std::error_code ec;
    fs::path path = hostFile(dirname);
    if (fs::exists(path, ec)) {
        errno = EEXIST;
        return -1;
    }
    if (!fs::create_directory(path, ec)) {
        errno = ENOENT;
        return -1;
    }
    return 0;
}

} // extern "C"
