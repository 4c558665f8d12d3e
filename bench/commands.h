// Benchmarks of the command engine and of selection on a large drawing.
#pragma once

#include <cstddef>

namespace vma::bench {

// Runs count LINE commands from one script; prints commands, seconds, per_second.
int timeLineCommands(size_t count);
// acedSSGet "X" with a layer and type filter on the benchmark drawing of count
// entities, best of three; prints entities, selected, seconds.
int timeFilteredSelection(size_t count);

} // namespace vma::bench
