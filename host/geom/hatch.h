// A HATCH as geometry: its boundary paths as closed rings and its pattern
// lines, all in the hatch's OCS, and the pattern clipped to the boundary.
#pragma once

#include "host/db/group.h"
#include "host/geom/geom.h"

#include <vector>

namespace vma::geom {

// One family of parallel pattern lines as the HATCH stores it (already
// rotated and scaled): direction angle, a point on the first line, the
// offset from one line to the next, and dash lengths (negative: gap, 0: dot).
struct PatternLine {
    double angle = 0; // radians
    Vec3 base;
    Vec3 offset;
    std::vector<double> dashes;
};

struct HatchShape {
    bool solid = false;
    std::vector<std::vector<Vec3>> rings; // closed, last point not repeated
    std::vector<PatternLine> lines;
};

HatchShape readHatch(const db::GroupList& groups);

struct Segment {
    Vec3 a, b; // a == b for a dot
};

// More segments than this are not drawn: a tiny spacing or dash over a large
// area would otherwise produce millions.
constexpr size_t kMaxPatternSegments = 100000;
// A family with more lines than this across the boundary is left out.
constexpr long kMaxPatternLines = 10000;

// The pattern segments inside the rings by the even-odd rule.
std::vector<Segment> patternSegments(const std::vector<std::vector<Vec3>>& rings,
                                     const std::vector<PatternLine>& lines);

} // namespace vma::geom
