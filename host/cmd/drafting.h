// The dimensioning, hatching and extending commands: DIM (the legacy
// dimensioning mode), HATCH (its command-line form) and EXTEND.
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

// DIM.
void addDimCommands(input::CommandRegistry& registry);
// HATCH, -HATCH.
void addHatchCommands(input::CommandRegistry& registry);
// EXTEND.
void addExtendCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
