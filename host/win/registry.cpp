#include "host/win/registry.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/win/paths.h"
#include "host/win/regedit_file.h"
#include "host/win/registry_handles.h"

#include <fstream>
#include <sstream>

namespace vma::win {
namespace fs = std::filesystem;

Registry& Registry::get() {
    static Registry registry;
    return registry;
}

fs::path Registry::filePath() {
    return profileFolder() / "registry.reg";
}

RegTree& Registry::tree() {
    fs::path path = filePath();
    if (tree_ && path == loadedFrom_)
        return *tree_;
    // Handles into a tree of another profile would write where nobody reads.
    if (tree_)
        RegHandles::get().clear();
    load(path);
    return *tree_;
}

void Registry::unload() {
    RegHandles::get().clear();
    tree_.reset();
    loadedFrom_.clear();
}

void Registry::load(const fs::path& path) {
    tree_ = std::make_unique<RegTree>();
    loadedFrom_ = path;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::ostringstream text;
    text << in.rdbuf();
    auto parsed = parseRegedit(text.str());
    if (parsed) {
        *tree_ = std::move(parsed.value());
        return;
    }
    fs::path aside = path;
    aside += ".damaged";
    std::error_code ec;
    fs::rename(path, aside, ec);
    std::string message = "Warning: the registry file " + path.string() + " is damaged (line " +
                          std::to_string(parsed.error().line) + ": " + parsed.error().message +
                          "); it was moved to " + aside.filename().string() +
                          " and the registry starts empty.\n";
    host::Session::get().print(utf8ToWide(message));
}

ErrorOr<void> Registry::save() {
    fs::path path = filePath();
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << formatRegedit(tree());
        if (!out.flush())
            return Error{"cannot write " + temporary.string()};
    }
    fs::rename(temporary, path, ec);
    if (ec)
        return Error{"cannot replace " + path.string() + ": " + ec.message()};
    return {};
}

} // namespace vma::win
