// Object selection by a point: the model-space entity drawn nearest the
// point, within a radius.
#pragma once

#include "host/db/database.h"
#include "host/input/event.h"

#include <optional>

namespace vma::input {

// The entity drawn within radius (world XY) of the point; the nearest, the
// last drawn among equals. nullopt when none is.
std::optional<db::EntityId> entityAt(const db::Database& db, const Point& world, double radius);

} // namespace vma::input
