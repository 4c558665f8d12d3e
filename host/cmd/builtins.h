// The commands the host provides, registered at start by the console and by
// tests: one call per family of commands.
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

// Adds every built-in command to the command registry and connects the
// interactive object selection to acedSSGet. Calling it again is harmless.
void installBuiltins();

// LINE, PLINE.
void addDrawCommands(input::CommandRegistry& registry);
// ERASE, SELECT, MOVE, COPY, ROTATE, SCALE.
void addEditCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
