#include "host/cmd/builtins.h"

#include "host/cmd/document_commands.h"
#include "host/cmd/text_commands.h"
#include "host/cmd/ucs_command.h"
#include "host/cmd/undo_commands.h"
#include "host/input/select_objects.h"

namespace vma::cmd {

void installBuiltins() {
    input::CommandRegistry& registry = input::CommandRegistry::get();
    addDrawCommands(registry);
    addEditCommands(registry);
    addTextCommands(registry);
    addLayerCommands(registry);
    addInsertCommands(registry);
    addDisplayCommands(registry);
    addDimCommands(registry);
    addHatchCommands(registry);
    addExtendCommands(registry);
    addUndoCommands(registry);
    addUcsCommands(registry);
    addDocumentCommands(registry);
    input::connectInteractiveSelection();
}

} // namespace vma::cmd
