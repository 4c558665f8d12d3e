// The UCS command: the drawing's current user coordinate system from the
// command line (origin, turns about an axis, three points, Z axis, object,
// view, world, previous, and named systems kept in the UCS table).
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

void addUcsCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
