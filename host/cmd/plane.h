// The plane new text and block references lie in: the XY plane of the
// current UCS, stored as the object coordinate system of the UCS Z axis.
#pragma once

#include "host/db/frames.h"
#include "host/db/group.h"

#include <array>

namespace vma::cmd {

class Plane {
public:
    // The current drawing's UCS.
    static Plane current();

    // A UCS point in the object coordinate system.
    std::array<double, 3> toOcs(const std::array<double, 3>& ucsPoint) const;
    // A direction (radians from the UCS X axis) as radians from the OCS X axis.
    double angleInOcs(double ucsAngle) const;
    const std::array<double, 3>& extrusion() const { return extrusion_; }
    // Adds group 210 unless the plane is the world XY plane.
    void addExtrusion(db::GroupList& groups) const;

private:
    host::Frame ucs_;
    host::Frame ocs_;
    std::array<double, 3> extrusion_{0, 0, 1};
};

// Adds a point as its three groups (code, code + 10, code + 20).
void addPoint(db::GroupList& groups, int code, const std::array<double, 3>& p);

} // namespace vma::cmd
