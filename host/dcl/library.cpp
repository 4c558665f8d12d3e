#include "host/dcl/library.h"

#include <fstream>
#include <sstream>

namespace vma::dcl {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxDepth = 256;
constexpr size_t kMaxTiles = 100000;

ErrorOr<std::string> readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Error{"cannot read " + path.string()};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// An @include name: relative to the folder, with any mix of case.
fs::path findInclude(const fs::path& folder, const std::string& name) {
    fs::path direct = folder / name;
    std::error_code ec;
    if (fs::exists(direct, ec))
        return direct;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string file = entry.path().filename().string();
        if (file.size() == name.size() &&
            std::equal(file.begin(), file.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return entry.path();
    }
    return direct;
}

void inherit(Tile& into, const Tile& from) {
    for (const auto& [name, value] : from.attrs)
        into.attrs.insert({name, value});
}

} // namespace

ErrorOr<Library> Library::fromText(std::string_view text, const std::string& file,
                                   const fs::path& folder) {
    Library lib;
    VMA_TRY(lib.add(baseDcl(), "base.dcl", {}));
    IncludeReader include = [folder](const std::string& name, const std::string&) {
        return readText(findInclude(folder, name));
    };
    VMA_TRY(lib.add(text, file, include));
    return lib;
}

ErrorOr<Library> Library::fromFile(const fs::path& path) {
    VMA_TRY_ASSIGN(std::string text, readText(path));
    return fromText(text, path.filename().string(), path.parent_path());
}

ErrorOr<void> Library::add(std::string_view text, const std::string& file,
                           const IncludeReader& include) {
    VMA_TRY_ASSIGN(auto nodes, parse(text, file, include));
    for (Node& node : nodes)
        defs_[node.name] = std::move(node);
    return {};
}

ErrorOr<std::unique_ptr<Tile>> Library::build(const std::string& name) const {
    auto it = defs_.find(name);
    if (it == defs_.end())
        return Error{"no dialog named " + name};
    built_ = 0;
    return resolve(it->second, 0);
}

ErrorOr<std::unique_ptr<Tile>> Library::resolveName(const std::string& name, const Node& at,
                                                    int depth) const {
    auto it = defs_.find(name);
    // A definition named after its own parent ("spacer_0 : spacer") means the
    // built-in tile, not itself.
    bool self = it != defs_.end() && &it->second == &at;
    if (it != defs_.end() && !self)
        return resolve(it->second, depth + 1);
    if (isBuiltIn(name)) {
        auto tile = std::make_unique<Tile>();
        tile->kind = name;
        return tile;
    }
    return errorAt(at.file, at.line, "unknown tile '" + name + "'");
}

ErrorOr<std::unique_ptr<Tile>> Library::resolve(const Node& node, int depth) const {
    if (depth > kMaxDepth)
        return errorAt(node.file, node.line, "definitions refer to each other without end");
    if (++built_ > kMaxTiles)
        return errorAt(node.file, node.line, "dialog has too many tiles");
    std::unique_ptr<Tile> tile;
    for (const std::string& parent : node.parents) {
        VMA_TRY_ASSIGN(auto base, resolveName(parent, node, depth));
        if (!tile) {
            tile = std::move(base);
            continue;
        }
        inherit(*tile, *base);
        if (tile->children.empty())
            tile->children = std::move(base->children);
    }
    if (!tile)
        return errorAt(node.file, node.line, "tile without a parent");
    for (const auto& [name, value] : node.attrs)
        tile->attrs[name] = value;
    if (!node.children.empty() && !tile->children.empty())
        return errorAt(node.file, node.line,
                       "tiles cannot be added to the subassembly '" + node.parents.front() + "'");
    for (const Node& child : node.children) {
        VMA_TRY_ASSIGN(auto built, resolve(child, depth + 1));
        tile->children.push_back(std::move(built));
    }
    for (auto& child : tile->children)
        child->parent = tile.get();
    return tile;
}

} // namespace vma::dcl
