// EXTEND's geometry: boundary edges as straight segments and circular arcs,
// and how far the end of a line, an arc or an open polyline goes along its
// own course before it meets one of them.
#pragma once

#include "host/db/database.h"
#include "host/geom/geom.h"

#include <optional>
#include <vector>

namespace vma::cmd {

using geom::Vec3;

struct Edge {
    bool arc = false;
    Vec3 a, b;         // a segment
    Vec3 centre;       // an arc: centre, radius, and the counter-clockwise
    double radius = 0; // span from start to start + sweep (2 pi: a circle)
    double start = 0, sweep = 0;
};

// The boundary edges an object offers (lines, arcs, circles, polylines);
// none for other types. With extendEdges, segments count as whole lines and
// arcs as whole circles (EXTEND's Edge option).
std::vector<Edge> edgesOf(const db::Database& db, db::EntityId id, bool extendEdges);

// Where the segment from a to b first meets one of the edges; nullopt when it meets none.
std::optional<Vec3> segmentMeets(const Vec3& a, const Vec3& b, const std::vector<Edge>& edges);

// The groups of an object with the end nearer to pick extended to the
// nearest boundary edge beyond it; nullopt when it reaches none or the
// object cannot be extended (not a line, arc or open polyline).
std::optional<db::GroupList> extended(const db::Database& db, db::EntityId id, const Vec3& pick,
                                      const std::vector<Edge>& edges);

} // namespace vma::cmd
