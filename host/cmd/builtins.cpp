#include "host/cmd/builtins.h"

#include "host/input/select_objects.h"

namespace vma::cmd {

void installBuiltins() {
    input::CommandRegistry& registry = input::CommandRegistry::get();
    addDrawCommands(registry);
    addEditCommands(registry);
    input::connectInteractiveSelection();
}

} // namespace vma::cmd
