#include "host/cmd/drawing_files.h"

#include "acedads.h"
#include "host/base/text.h"
#include "host/dxf/dxf.h"
#include "host/win/paths.h"

namespace vma::cmd {
namespace {

namespace fs = std::filesystem;

std::wstring withExtension(std::wstring_view name) {
    std::wstring text(name);
    size_t slash = text.find_last_of(L"\\/");
    size_t dot = text.find_last_of(L'.');
    bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    if (!hasExtension)
        text += L".dwg";
    return text;
}

fs::path folderOf(const host::Document& doc) {
    if (doc.path.empty())
        return fs::current_path();
    return fs::absolute(doc.path).parent_path();
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

fs::path drawingTarget(std::wstring_view name, const host::Document& doc) {
    return win::hostPath(withExtension(name), win::profileFolder(), folderOf(doc));
}

std::optional<fs::path> findDrawing(std::wstring_view name) {
    std::wstring full = withExtension(name);
    fs::path direct = win::hostPath(full);
    if (isFile(direct))
        return direct;
    if (win::hasFolder(full))
        return std::nullopt;
    ACHAR found[4096] = {};
    if (acedFindFile(full.c_str(), found, std::size(found)) == RTNORM)
        return fs::path(wideToUtf8(found));
    return std::nullopt;
}

std::wstring defaultSaveName(const host::Document& doc) {
    return utf8ToWide((folderOf(doc) / wideToUtf8(doc.name)).string());
}

ErrorOr<void> writeDrawing(host::Document& doc, const fs::path& file) {
    // Loaded modules hear of the save first, so what they store goes with it.
    host::Session::get().saving(doc);
    VMA_TRY(dxf::writeFile(*doc.db, file));
    doc.db->clearModified();
    return {};
}

} // namespace vma::cmd
