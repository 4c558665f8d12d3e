// A DIMENSION entity with its anonymous *D block, added to the current
// space of the drawing through the database (so the undo journal sees the
// block, its content and the entity).
#pragma once

#include "host/cmd/dim_parts.h"
#include "host/db/database.h"
#include "host/db/session.h"

#include <optional>

namespace vma::cmd {

// What the DIMENSION entity records besides its block.
struct DimensionData {
    int type = 0;                // group 70 (with 32: the block belongs to this dimension only)
    Vec3 defpoint;               // 10
    Vec3 first, second;          // 13, 14
    std::optional<double> angle; // 50, radians from the world X axis (rotated dimensions)
    std::string typed;           // 1: the text override, "" for the measured text
    Vec3 normal{0, 0, 1};        // 210
};

db::EntityId addDimension(host::Session& session, const DimDrawing& drawing,
                          const DimensionData& data);

// The most recent linear (rotated or aligned) dimension of the drawing that
// is not erased, as CONTINUE continues from it.
std::optional<db::EntityId> lastLinearDimension(const db::Database& db);

} // namespace vma::cmd
