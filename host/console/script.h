// Running a script on the current document: the command prompt of the input
// engine fed from the script text, with AutoLISP expressions evaluated.
#pragma once

#include "host/base/error.h"

#include <string_view>

namespace vma::console {

// Lets the input engine evaluate the AutoLISP expressions of scripts and the
// command line (the value of an expression answers a waiting prompt, or is
// shown at the command prompt), and makes C: functions commands.
void connectLisp();

// Runs the script text. Unknown commands are reported and the script goes
// on; it fails (naming the line) only when the input engine's runner does.
ErrorOr<void> runScript(std::string_view text);

} // namespace vma::console
