// acedFindFile: support files by name at the C boundary.
#include "acedads.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/win/paths.h"

#include <cwchar>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where a bare name is looked for, in order: the current drawing's folder,
// the support path, the working folder.
std::vector<fs::path> searchFolders() {
    auto& session = vma::host::Session::get();
    std::vector<fs::path> folders;
    if (session.hasDocument() && !session.current().path.empty())
        folders.push_back(fs::absolute(session.current().path).parent_path());
    for (const fs::path& folder : session.supportPath())
        folders.push_back(folder);
    folders.push_back(fs::current_path());
    return folders;
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<fs::path> find(std::wstring_view name) {
    fs::path profile = vma::win::profileFolder();
    if (vma::win::hasFolder(name)) {
        fs::path path = vma::win::hostPath(name, profile, fs::current_path());
        return isFile(path) ? std::optional(path) : std::nullopt;
    }
    for (const fs::path& folder : searchFolders()) {
        fs::path path = vma::win::hostPath(name, profile, folder);
        if (isFile(path))
            return path;
    }
    return std::nullopt;
}

} // namespace

int acedFindFile(const ACHAR* fname, ACHAR* result, size_t len) {
    if (fname == nullptr || *fname == 0 || result == nullptr)
        return RTERROR;
    auto found = find(fname);
    if (!found)
        return RTERROR;
    std::wstring text = vma::utf8ToWide(fs::absolute(*found).lexically_normal().string());
    if (text.size() + 1 > len)
        return RTERROR;
    std::wmemcpy(result, text.c_str(), text.size() + 1);
    return RTNORM;
}
