// UNDO and U: the undo log of the current document from the command line.
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

// Adds UNDO and U, and connects command runs and variables to the undo logs.
void addUndoCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
