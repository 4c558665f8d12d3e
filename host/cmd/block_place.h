// A block's content placed by a reference: moved so the block's base point
// lies at the insertion point, scaled and rotated there. A reference's
// attributes are its block's attribute definitions taken through that transform.
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

// The ATTRIB a reference gets from an attribute definition (ATTDEF) of its block.
db::GroupList attributeFrom(const db::GroupList& definition, const geom::Matrix& m,
                            std::string_view value, std::string_view layer);

} // namespace vma::cmd
