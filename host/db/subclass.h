// Subclass markers (group 100) of the entity types the host knows. The
// database keeps those entities without markers; the DXF writer and acdbEntGet
// put them back at their places, and lists coming in (R2000 files, acdbEntMake,
// acdbEntMod) have them taken out. Unknown types keep theirs as read.
#pragma once

#include "host/db/group.h"

#include <string_view>

namespace vma::db {

// LINE, POINT, CIRCLE, ARC, SOLID, TEXT, MTEXT, LWPOLYLINE, POLYLINE, VERTEX,
// SEQEND, INSERT, ATTRIB, ATTDEF, DIMENSION, HATCH (any case).
bool knowsSubclasses(std::string_view type);

// The stored groups (group 0 first) with the markers an R2000 file has:
// AcDbEntity before the common groups, then the type's own markers before
// their groups (AcDbText/AcDbAttribute, AcDb2dPolyline/AcDb3dPolyline/
// AcDbPolyFaceMesh by flags, AcDbDimension/AcDbRotatedDimension ... by type).
// Extended data stays at the end. Unknown types come back unchanged.
GroupList withSubclassMarkers(const GroupList& stored);
// As above, into out (its old content replaced, its storage reused): the DXF
// writer calls it once per entity.
void withSubclassMarkers(const GroupList& stored, GroupList& out);

// The index after the application groups (102 {NAME ... 102 }) that start at from.
size_t endOfAppGroups(const GroupList& groups, size_t from);

// Removes the markers of a known type; leaves unknown types as they are.
void stripSubclassMarkers(GroupList& groups);

} // namespace vma::db
