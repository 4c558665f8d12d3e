#include "host/arx/groups.h"
#include "host/arx/objects.h"
#include "host/geom/ocs.h"

#include <cmath>
#include <numbers>

namespace vma::arx {
namespace {

geom::Axes axesOf(const AcGeVector3d& normal) {
    double n[3] = {normal.x, normal.y, normal.z};
    return geom::ocsAxes(n);
}

} // namespace

AcGePoint3d pointAt(const db::GroupList& groups, int code) {
    return {groups.findReal(code).value_or(0), groups.findReal(code + 10).value_or(0),
            groups.findReal(code + 20).value_or(0)};
}

void setPoint(db::GroupList& groups, int code, const AcGePoint3d& p) {
    putReal(groups, code, p.x);
    putReal(groups, code + 10, p.y);
    putReal(groups, code + 20, p.z);
}

AcGeVector3d normalOf(const db::GroupList& groups) {
    if (groups.find(210) < 0)
        return AcGeVector3d::kZAxis;
    AcGePoint3d n = pointAt(groups, 210);
    return n.asVector();
}

AcGePoint3d worldPoint(const db::GroupList& groups, int code) {
    AcGePoint3d p = pointAt(groups, code);
    double in[3] = {p.x, p.y, p.z}, out[3];
    geom::ocsToWcs(axesOf(normalOf(groups)), in, out);
    return {out[0], out[1], out[2]};
}

void setWorldPoint(db::GroupList& groups, int code, const AcGePoint3d& p) {
    double in[3] = {p.x, p.y, p.z}, out[3];
    geom::wcsToOcs(axesOf(normalOf(groups)), in, out);
    setPoint(groups, code, {out[0], out[1], out[2]});
}

AcGeVector3d directionInPlane(const AcGeVector3d& normal, double angle) {
    geom::Axes a = axesOf(normal);
    double c = std::cos(angle), s = std::sin(angle);
    return {a.x[0] * c + a.y[0] * s, a.x[1] * c + a.y[1] * s, a.x[2] * c + a.y[2] * s};
}

double angleInPlane(const AcGeVector3d& normal, const AcGeVector3d& direction) {
    geom::Axes a = axesOf(normal);
    double x = direction.x * a.x[0] + direction.y * a.x[1] + direction.z * a.x[2];
    double y = direction.x * a.y[0] + direction.y * a.y[1] + direction.z * a.y[2];
    double angle = std::atan2(y, x);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

} // namespace vma::arx
