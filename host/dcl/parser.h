// DCL text to definitions. A file is @include lines and definitions
// "name : parent [: parent2 ...] { attribute = value; ... children ... }";
// children are ": parent { ... }" or "name;". Errors name file and line.
#pragma once

#include "host/base/error.h"
#include "host/dcl/tile.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::dcl {

struct Node {
    std::string name; // definitions only
    std::vector<std::string> parents;
    Attributes attrs;
    std::vector<Node> children;
    std::string file;
    long line = 0;
};

// The text of an included file, by the name written after @include and the
// name of the including file.
using IncludeReader =
    std::function<ErrorOr<std::string>(const std::string& name, const std::string& from)>;

// The definitions of text (named file in errors), included files' first.
ErrorOr<std::vector<Node>> parse(std::string_view text, const std::string& file,
                                 const IncludeReader& include);

// "file:line: message", as every DCL error reads.
Error errorAt(const std::string& file, long line, const std::string& message);

} // namespace vma::dcl
