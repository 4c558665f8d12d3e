// A dialog's tiles as the runtime keeps them: the DCL kind, the attributes
// after inheritance, and the state a user changes (value, enabling, list,
// image display list).
#pragma once

#include "adsdlg.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vma::dcl {

// One attribute value as written in DCL: quoted text keeps its quotes off,
// numbers and keywords stay as written.
struct AttrValue {
    std::string text;
    bool quoted = false;
};

using Attributes = std::map<std::string, AttrValue>;

// One drawing operation of an image tile, in tile pixels, origin upper left.
struct ImageOp {
    enum class Kind { Vector, Fill, Polygon };
    Kind kind = Kind::Vector;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Fill: x2, y2 are width and height
    int color = 0;
    std::vector<std::pair<int, int>> points; // Polygon: filled outline
};

struct Tile {
    std::string kind; // built-in tile name: "button", "row", ...
    Attributes attrs;
    std::vector<std::unique_ptr<Tile>> children;
    Tile* parent = nullptr;

    // Runtime state.
    std::string value;
    bool enabled = true;
    std::vector<std::string> list;
    std::vector<ImageOp> image;
    void* clientData = nullptr;
    CLIENTFUNC action = nullptr; // set by ads_action_tile

    std::string attr(const std::string& name) const;
    bool flag(const std::string& name) const; // "true" attribute
    std::string key() const { return attr("key"); }
};

bool isCluster(const std::string& kind);
bool isRadioCluster(const std::string& kind);
bool isActive(const std::string& kind);
bool hasList(const std::string& kind);
bool isImage(const std::string& kind);
// The tile names the language knows without a definition.
bool isBuiltIn(const std::string& name);

} // namespace vma::dcl
