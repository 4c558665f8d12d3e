// Selection sets of the session (acedSSGet and friends): at most 128 at once.
#pragma once

namespace vma::host {

class SelectionSets {};

} // namespace vma::host
