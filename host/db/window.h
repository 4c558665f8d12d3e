// Window and crossing selection on what an entity draws, in the XY plane of
// the WCS: inside a window means every primitive lies within it; crossing
// means inside, or touching it anywhere (an edge through it, a window within a
// filled area or a text's box).
#pragma once

#include "host/geom/geom.h"

#include <vector>

namespace vma::host {

struct Window {
    double low[2] = {0, 0};
    double high[2] = {0, 0};
};

// Both are false for an entity that draws nothing.
bool isInsideWindow(const std::vector<geom::Primitive>& primitives, const Window& window);
bool crossesWindow(const std::vector<geom::Primitive>& primitives, const Window& window);

} // namespace vma::host
