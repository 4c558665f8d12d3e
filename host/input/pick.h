// Object selection by a point: the model-space entity drawn nearest the
// point, within a radius.
#pragma once

#include "host/db/database.h"
#include "host/input/event.h"

#include <optional>

namespace vma::input {

// The pick box (PICKBOX pixels, at least one) in drawing units.
double pickRadius();

// The entity drawn within radius (world XY) of the point; the nearest, the
// last drawn among equals. nullopt when none is.
std::optional<db::EntityId> entityAt(const db::Database& db, const Point& world, double radius);

// The entity a program handed to a prompt by name, when it is a live main
// entity of the current drawing.
std::optional<db::EntityId> givenEntity(const InputEvent::Name& name);

} // namespace vma::input
