// Entities the built-in commands draw: checked and completed as acdbEntMake
// completes a list (current layer, defaults), put in the current space.
#pragma once

#include "host/db/database.h"

#include <optional>

namespace vma::cmd {

// The block new entities go into: paper space when the layout is current and
// no viewport is entered, else model space.
uint32_t currentSpace();

// The new entity, or nullopt (with the reason on the command line) when the
// drawing refuses the list.
std::optional<db::EntityId> addToDrawing(db::GroupList groups);

} // namespace vma::cmd
