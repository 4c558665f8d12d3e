// Running a script on the current document. The script engine (command line,
// LISP lines, dialog answers) replaces this once the input engine exists.
#pragma once

#include "host/base/error.h"

#include <string_view>

namespace vma::console {

// Runs the script text. Succeeds for a script of nothing but blank lines and
// ; comments; anything else fails naming its first line, since the host has no
// command engine yet.
ErrorOr<void> runScript(std::string_view text);

} // namespace vma::console
