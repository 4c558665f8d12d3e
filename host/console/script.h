// Running a script on the current document: the command prompt of the input
// engine fed from the script text.
#pragma once

#include "host/base/error.h"

#include <string_view>

namespace vma::console {

// Runs the script text. Unknown commands are reported and the script goes
// on; it fails (naming the line) only when the input engine's runner does.
ErrorOr<void> runScript(std::string_view text);

} // namespace vma::console
