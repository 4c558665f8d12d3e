#include "host/cmd/plane.h"

#include "host/cmd/current.h"
#include "host/geom/ocs.h"

#include <cmath>

namespace vma::cmd {

Plane Plane::current() {
    Plane plane;
    plane.ucs_ = host::ucsFrame(drawing());
    const double* z = plane.ucs_.axes.z;
    plane.extrusion_ = {z[0], z[1], z[2]};
    plane.ocs_ = host::extrusionFrame(z);
    return plane;
}

std::array<double, 3> Plane::toOcs(const std::array<double, 3>& ucsPoint) const {
    double world[3], out[3];
    host::toWorld(ucs_, ucsPoint.data(), false, world);
    host::fromWorld(ocs_, world, false, out);
    return {out[0], out[1], out[2]};
}

double Plane::angleInOcs(double ucsAngle) const {
    double dir[3] = {std::cos(ucsAngle), std::sin(ucsAngle), 0}, world[3], out[3];
    host::toWorld(ucs_, dir, true, world);
    host::fromWorld(ocs_, world, true, out);
    return std::atan2(out[1], out[0]);
}

void Plane::addExtrusion(db::GroupList& groups) const {
    if (geom::isWorldZ(extrusion_.data()))
        return;
    addPoint(groups, 210, extrusion_);
}

void addPoint(db::GroupList& groups, int code, const std::array<double, 3>& p) {
    groups.addReal(code, p[0]);
    groups.addReal(code + 10, p[1]);
    groups.addReal(code + 20, p[2]);
}

} // namespace vma::cmd
