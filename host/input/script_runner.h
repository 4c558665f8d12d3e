// The command prompt loop over a source of input: a script file from start
// to end (vmacon -s), or the terminal. Each answer at "Command: " names a
// command of the registry; a name nobody knows is reported and the input
// goes on.
#pragma once

#include "host/base/error.h"

#include <istream>
#include <string_view>

namespace vma::input {

// Runs script text (UTF-8) on the current document. Fails, naming the line,
// when an AutoLISP expression is left open at the end.
ErrorOr<void> runScript(std::string_view text);
// Reads commands from the terminal until the input ends.
void runInteractive(std::istream& in);

} // namespace vma::input
