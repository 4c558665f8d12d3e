// Moving, rotating and scaling entities as MOVE, COPY, ROTATE and SCALE do:
// a similarity transform of the world (rotation, uniform scale, translation)
// applied to every kind of entity the host knows, keeping object coordinate
// systems valid: points in the entity's OCS are re-expressed in the OCS of
// its transformed extrusion, rotations, heights, widths and scale factors
// follow, extended-data positions and distances too.
#pragma once

#include "host/db/database.h"
#include "host/geom/matrix.h"

namespace vma::cmd {

// A main entity, with its vertices or attributes and a dimension's own block,
// transformed in place through the database (so the undo journal sees it).
void transformEntity(db::Database& db, db::EntityId id, const geom::Matrix& m);

// A copy of a main entity with its sub-entities (new handles, extended data
// kept; a dimension gets its own block), transformed; the copy's id.
db::EntityId copyEntity(db::Database& db, db::EntityId id, const geom::Matrix& m);

// As copyEntity, into another block: the content of an exploded block
// reference placed in a layout.
db::EntityId copyEntityInto(db::Database& db, db::EntityId id, const geom::Matrix& m,
                            uint32_t block);

// The groups of one entity under the transform. extrusion: the OCS the
// entity's points are in when it has none of its own (a vertex: its
// polyline's); polylineFlags: the flags of a vertex's polyline.
db::GroupList transformGroups(const db::GroupList& groups, const geom::Matrix& m,
                              const geom::Vec3& extrusion, int polylineFlags);

} // namespace vma::cmd
