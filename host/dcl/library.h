// A loaded DCL file: the standard definitions of base.dcl, then the file's
// own (a later definition of a name replaces an earlier one), and the tile
// trees built from them with attribute inheritance.
#pragma once

#include "host/base/error.h"
#include "host/dcl/parser.h"
#include "host/dcl/tile.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace vma::dcl {

// The text of base.dcl, built into the host.
std::string_view baseDcl();

class Library {
public:
    // base.dcl and text (named file in errors); @include names are read
    // relative to folder.
    static ErrorOr<Library> fromText(std::string_view text, const std::string& file,
                                     const std::filesystem::path& folder);
    static ErrorOr<Library> fromFile(const std::filesystem::path& path);

    bool has(const std::string& name) const { return defs_.count(name) != 0; }
    // The tile tree of a definition: attributes from every parent (left-most
    // wins) under the definition's own; children of the definition or,
    // failing that, of its first parent that has them.
    ErrorOr<std::unique_ptr<Tile>> build(const std::string& name) const;

private:
    ErrorOr<void> add(std::string_view text, const std::string& file, const IncludeReader& include);
    ErrorOr<std::unique_ptr<Tile>> resolve(const Node& node, int depth) const;
    ErrorOr<std::unique_ptr<Tile>> resolveName(const std::string& name, const Node& at,
                                               int depth) const;

    std::map<std::string, Node> defs_;
    mutable size_t built_ = 0;
};

} // namespace vma::dcl
