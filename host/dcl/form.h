// A dialog as text, for the interactive console and the transcript: one line
// per tile, indented by nesting, with kind, key, label, value and state.
#pragma once

#include "host/dcl/dialog.h"

#include <string>

namespace vma::dcl {

std::string formText(const Dialog& dialog);

} // namespace vma::dcl
