// A block's content placed by a reference: moved so the block's base point
// lies at the insertion point, scaled and rotated there. Attributes and
// exploded copies are the block's entities taken through that transform.
#pragma once

#include "host/db/group.h"
#include "host/geom/matrix.h"

#include <array>
#include <string_view>

namespace vma::cmd {

struct BlockPlacement {
    std::array<double, 3> base{};      // in the block
    std::array<double, 3> insertion{}; // in the reference's OCS
    double xScale = 1, yScale = 1, zScale = 1;
    double rotation = 0; // radians

    geom::Matrix matrix() const;
};

// A copy of an entity of the block where the reference puts it: points
// moved, sizes scaled, angles turned, direction vectors turned. Meant for
// the uniform scale an exploded reference has; a mirroring transform also
// reverses arcs and text.
db::GroupList placeEntity(const db::GroupList& groups, const geom::Matrix& m);

// The ATTRIB a reference gets from an attribute definition (ATTDEF) of its block.
db::GroupList attributeFrom(const db::GroupList& definition, const geom::Matrix& m,
                            std::string_view value, std::string_view layer);

} // namespace vma::cmd
