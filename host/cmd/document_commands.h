// NEW, OPEN, SAVE, SAVEAS, QSAVE and CLOSE: documents from the command line
// (AutoCAD's prompts with FILEDIA off), drawings kept as DXF.
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

void addDocumentCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
