// One run of vmacon: open or start a drawing, run the script, report, save.
#pragma once

#include "host/console/options.h"

namespace vma::console {

// Does what the options ask on the session's current document and returns the
// exit status (ExitStatus). Errors go to stderr naming the file and line;
// warnings too unless quiet.
int runJob(const Options& options);

} // namespace vma::console
