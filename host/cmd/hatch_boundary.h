// Hatch boundaries from selected objects: each closed polyline or circle is
// a loop of its own; lines, arcs and open polylines whose ends meet are
// chained into loops. Every loop becomes a polyline path (vertices with
// bulges), which is what a HATCH stores and any reader draws.
#pragma once

#include "host/cmd/polyline_vertices.h"
#include "host/db/database.h"
#include "host/geom/geom.h"

#include <vector>

namespace vma::cmd {

using LoopVertex = BulgeVertex;
using Loop = std::vector<LoopVertex>; // closed: the last vertex leads back to the first

struct Boundary {
    std::vector<Loop> loops;
    size_t ignored = 0; // objects that are no curve or close no loop
};

Boundary boundaryOf(const db::Database& db, const std::vector<db::EntityId>& ids);

// Loops inside an odd number of others are holes; the rest are outermost.
std::vector<bool> outermost(const std::vector<Loop>& loops);

// A point inside the loop's area (for the seed point), by a scan line.
geom::Vec3 insidePoint(const Loop& loop);

} // namespace vma::cmd
