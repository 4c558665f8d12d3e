// The commands of module loading: ARX (Load, Unload, ?) and ARXUNLOAD.
#pragma once

namespace vma::arx {

// Enters ARX and ARXUNLOAD in the host's command registry.
void installCommands();

} // namespace vma::arx
