// Entities as drawn: each entity of the database broken down into world
// coordinate primitives (polylines, filled areas, texts, points), with blocks
// and dimension blocks expanded and colours resolved. Previews draw them,
// window and crossing selection test them, extents come from them.
#pragma once

#include "host/db/database.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vma::geom {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

struct Box {
    Vec3 min{1e300, 1e300, 1e300};
    Vec3 max{-1e300, -1e300, -1e300};
    bool empty() const { return min.x > max.x; }
    void add(const Vec3& p);
    void add(const Box& b);
};

struct Primitive {
    // A Fill with holes lists each ring closed on itself, the rings joined by
    // a bridge walked there and back: filled by the even-odd rule the bridges
    // cover nothing and the holes stay open.
    enum class Kind { Polyline, Fill, Text, Point };
    Kind kind = Kind::Polyline;
    int color = 7;    // AutoCAD colour index 1..255, BYLAYER/BYBLOCK resolved
    double width = 0; // constant line width (polylines), drawing units
    bool closed = false;
    std::vector<Vec3> points; // WCS; arcs and bulges broken into short chords
    // Texts: the insertion point is points[0]; the text runs along rotation.
    std::string text; // UTF-8, control codes (%%d, \P ...) resolved
    double height = 0;
    double rotation = 0; // radians, WCS
    double widthFactor = 1;
    int halign = 0; // 0 left, 1 centre, 2 right (DXF 72 / MTEXT attachment)
    int valign = 0; // 0 baseline, 1 bottom, 2 middle, 3 top
};

struct Options {
    bool skipHidden = true; // erased entities, frozen and off layers left out
    // Entities drawn as block content, all inserts together, before the rest
    // is left out: blocks nested in arrays of blocks multiply without bound.
    size_t maxBlockEntities = 2000000;
};

// Appends the primitives of one entity (of any block) to out.
void explode(const db::Database& db, db::EntityId id, std::vector<Primitive>& out,
             const Options& options = {});

// The primitives of a whole block (model space: db.modelSpace()).
std::vector<Primitive> explodeBlock(const db::Database& db, uint32_t block,
                                    const Options& options = {});

// Text layout without font metrics: characters are taken kCharWidth times the
// height (times the width factor) wide, capitals the height tall.
constexpr double kCharWidth = 0.8;
double textWidth(const Primitive& text);
// Where the baseline of a text primitive starts, after its alignment.
Vec3 textOrigin(const Primitive& text);
// The corners of the box a text covers: baseline start, baseline end, top end, top start.
std::array<Vec3, 4> textBox(const Primitive& text);

// Texts count with their box, wide polylines with their width.
Box extents(const std::vector<Primitive>& primitives);
// Extents of one entity; empty when it draws nothing.
Box extents(const db::Database& db, db::EntityId id);

} // namespace vma::geom
