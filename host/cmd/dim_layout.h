// Where the lines, arrows and text of a dimension go: a rotated linear
// dimension from its two extension line origins, and an ordinate dimension
// from its feature and leader end. All points are world coordinates; the
// axes are those of the UCS the dimension was given in.
#pragma once

#include "host/cmd/dim_parts.h"

namespace vma::cmd {

struct Plane {
    Vec3 origin;
    Vec3 x{1, 0, 0}, y{0, 1, 0}; // unit axes
};

struct LinearInput {
    Vec3 first, second; // extension line origins
    Vec3 location;      // any point the dimension line passes through
    double angle = 0;   // of the dimension line, radians from the plane's X axis
    std::string typed;  // the answer to "Enter dimension text" ("" keeps the measurement)
};

struct LinearDrawing {
    DimDrawing drawing;
    Vec3 defpoint;  // where the second extension line meets the dimension line (group 10)
    Vec3 direction; // along the dimension line
};

LinearDrawing layOutLinear(const DimVars& vars, const Plane& plane, const LinearInput& in);

struct OrdinateInput {
    Vec3 feature, leaderEnd;
    bool xDatum = true; // measures along X (the leader runs along Y)
    std::string typed;
};

DimDrawing layOutOrdinate(const DimVars& vars, const Plane& plane, const OrdinateInput& in);

// The axis an ordinate dimension measures when none was chosen: the leader
// mostly along Y measures X.
bool leaderMeasuresX(const Plane& plane, const Vec3& feature, const Vec3& leaderEnd);

} // namespace vma::cmd
