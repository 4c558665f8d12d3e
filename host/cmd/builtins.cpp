#include "host/cmd/builtins.h"

#include "host/cmd/text_commands.h"
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
    input::connectInteractiveSelection();
}

} // namespace vma::cmd
