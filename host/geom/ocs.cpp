#include "host/geom/ocs.h"

#include <cmath>

namespace vma::geom {
namespace {

void cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

void normalise(double v[3]) {
    double len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (len == 0)
        return;
    for (int i = 0; i < 3; ++i)
        v[i] /= len;
}

} // namespace

bool isWorldZ(const double e[3]) {
    return std::fabs(e[0]) < 1e-12 && std::fabs(e[1]) < 1e-12 && e[2] > 0;
}

Axes ocsAxes(const double extrusion[3]) {
    Axes a{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    double z[3] = {extrusion[0], extrusion[1], extrusion[2]};
    normalise(z);
    if (z[0] == 0 && z[1] == 0 && z[2] == 0)
        return a;
    // Below 1/64 in both X and Y the world Y axis is the reference, else world Z.
    constexpr double kLimit = 1.0 / 64.0;
    const double worldY[3] = {0, 1, 0};
    const double worldZ[3] = {0, 0, 1};
    bool nearZ = std::fabs(z[0]) < kLimit && std::fabs(z[1]) < kLimit;
    cross(nearZ ? worldY : worldZ, z, a.x);
    normalise(a.x);
    cross(z, a.x, a.y);
    normalise(a.y);
    for (int i = 0; i < 3; ++i)
        a.z[i] = z[i];
    return a;
}

void ocsToWcs(const Axes& a, const double in[3], double out[3]) {
    double r[3];
    for (int i = 0; i < 3; ++i)
        r[i] = in[0] * a.x[i] + in[1] * a.y[i] + in[2] * a.z[i];
    for (int i = 0; i < 3; ++i)
        out[i] = r[i];
}

void wcsToOcs(const Axes& a, const double in[3], double out[3]) {
    double r[3];
    r[0] = in[0] * a.x[0] + in[1] * a.x[1] + in[2] * a.x[2];
    r[1] = in[0] * a.y[0] + in[1] * a.y[1] + in[2] * a.y[2];
    r[2] = in[0] * a.z[0] + in[1] * a.z[1] + in[2] * a.z[2];
    for (int i = 0; i < 3; ++i)
        out[i] = r[i];
}

} // namespace vma::geom
