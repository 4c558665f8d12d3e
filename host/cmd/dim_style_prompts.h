// DIM's SAVE and RESTORE: the dimension styles by name at the command line.
#pragma once

namespace vma::cmd {

// "Enter name for new dimension style or [?]:"; an existing name is
// redefined after "That name is already in use, redefine it? <N>:" (asked
// only while EXPERT is below 5). False when nothing was saved.
bool saveStyleCommand();

// "Enter a dimension style name, [?] or <select dimension>:". False when no
// style was made current.
bool restoreStyleCommand();

} // namespace vma::cmd
