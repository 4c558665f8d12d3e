// The coordinate systems points are given in: the WCS, the current UCS of a
// drawing (its header's $UCSORG/$UCSXDIR/$UCSYDIR), the display coordinate
// system of its active viewport, and the object coordinate system of an
// extrusion direction.
#pragma once

#include "host/db/database.h"
#include "host/geom/ocs.h"

#include <array>

namespace vma::host {

struct Frame {
    geom::Axes axes{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::array<double, 3> origin{}; // in the WCS
};

// A point (or, for a displacement, a vector: no translation) given in the frame, in the WCS.
void toWorld(const Frame& frame, const double in[3], bool displacement, double out[3]);
// A WCS point (or vector) in the frame.
void fromWorld(const Frame& frame, const double in[3], bool displacement, double out[3]);

// The current UCS; the WCS when the header has none or its axes are degenerate.
Frame ucsFrame(const db::Database& db);
// The DCS of the *ACTIVE viewport: origin at the view target, Z along the view
// direction (16/26/36), turned by the view twist (51). A plan view without a
// stored direction is the WCS.
Frame viewFrame(const db::Database& db);
// The OCS of an extrusion direction (arbitrary-axis algorithm).
Frame extrusionFrame(const double extrusion[3]);

} // namespace vma::host
