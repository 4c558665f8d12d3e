// The vertices of a lightweight or old-style polyline with their bulges, as
// hatch boundaries and EXTEND read them.
#pragma once

#include "host/db/database.h"
#include "host/geom/geom.h"

#include <vector>

namespace vma::cmd {

struct BulgeVertex {
    geom::Vec3 point;
    double bulge = 0; // of the segment to the next vertex
};

// The vertices of an LWPOLYLINE (at its elevation) or of a POLYLINE's
// VERTEX entities; empty for other types.
std::vector<BulgeVertex> polylineVertices(const db::Database& db, db::EntityId id);

} // namespace vma::cmd
