// The prompts of INSERT after the block name: the insertion point (with the
// options that fix scale, rotation or base point beforehand), the scale
// factors and the rotation.
#pragma once

#include "host/cmd/block_place.h"
#include "host/cmd/plane.h"

namespace vma::cmd {

// Fills the placement's insertion point (OCS), scales and rotation; false
// when the user cancelled. An exploded block takes one scale for all axes.
bool askPlacement(BlockPlacement& at, const Plane& plane, bool exploded);

} // namespace vma::cmd
