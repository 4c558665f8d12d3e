#include "host/db/frames.h"

#include <cmath>
#include <numbers>

namespace vma::host {
namespace {

using Vec = std::array<double, 3>;

double dot(const Vec& a, const Vec& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

bool normalise(Vec& v) {
    double len = std::sqrt(dot(v, v));
    if (len < 1e-12)
        return false;
    for (double& c : v)
        c /= len;
    return true;
}

Vec cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec headerPoint(const db::Database& db, std::string_view name, const Vec& fallback) {
    const db::GroupList* groups = db.headerValue(name);
    if (!groups)
        return fallback;
    return {groups->findReal(10).value_or(fallback[0]), groups->findReal(20).value_or(fallback[1]),
            groups->findReal(30).value_or(fallback[2])};
}

Vec groupPoint(const db::GroupList& groups, int code, const Vec& fallback) {
    return {groups.findReal(code).value_or(fallback[0]),
            groups.findReal(code + 10).value_or(fallback[1]),
            groups.findReal(code + 20).value_or(fallback[2])};
}

void copyTo(const Vec& v, double out[3]) {
    for (size_t i = 0; i < 3; ++i)
        out[i] = v[i];
}

Frame fromAxes(const Vec& x, const Vec& y, const Vec& z, const Vec& origin) {
    Frame f;
    copyTo(x, f.axes.x);
    copyTo(y, f.axes.y);
    copyTo(z, f.axes.z);
    f.origin = origin;
    return f;
}

Vec axis(const double a[3]) {
    return {a[0], a[1], a[2]};
}

// The X and Y axes turned by angle about Z, as a view twist turns the screen axes.
Frame twisted(const Frame& f, double angle) {
    Vec x = axis(f.axes.x);
    Vec y = axis(f.axes.y);
    double c = std::cos(angle);
    double s = std::sin(angle);
    Vec tx{c * x[0] - s * y[0], c * x[1] - s * y[1], c * x[2] - s * y[2]};
    Vec ty{s * x[0] + c * y[0], s * x[1] + c * y[1], s * x[2] + c * y[2]};
    return fromAxes(tx, ty, axis(f.axes.z), f.origin);
}

} // namespace

void toWorld(const Frame& frame, const double in[3], bool displacement, double out[3]) {
    geom::ocsToWcs(frame.axes, in, out);
    if (displacement)
        return;
    for (size_t i = 0; i < 3; ++i)
        out[i] += frame.origin[i];
}

void fromWorld(const Frame& frame, const double in[3], bool displacement, double out[3]) {
    double p[3] = {in[0], in[1], in[2]};
    if (!displacement)
        for (size_t i = 0; i < 3; ++i)
            p[i] -= frame.origin[i];
    geom::wcsToOcs(frame.axes, p, out);
}

Frame ucsFrame(const db::Database& db) {
    Vec origin = headerPoint(db, "$UCSORG", {0, 0, 0});
    Vec x = headerPoint(db, "$UCSXDIR", {1, 0, 0});
    Vec y = headerPoint(db, "$UCSYDIR", {0, 1, 0});
    if (!normalise(x))
        return Frame{};
    double along = dot(y, x);
    for (size_t i = 0; i < 3; ++i)
        y[i] -= along * x[i];
    if (!normalise(y))
        return Frame{};
    return fromAxes(x, y, cross(x, y), origin);
}

Frame viewFrame(const db::Database& db) {
    auto vport = db.findRecord(db::TableKind::VPort, "*ACTIVE");
    if (!vport)
        return Frame{};
    const db::GroupList& groups = db.record(db::TableKind::VPort, *vport).groups;
    Vec direction = groupPoint(groups, 16, {0, 0, 1});
    if (!normalise(direction))
        direction = {0, 0, 1};
    Frame f = extrusionFrame(direction.data());
    f.origin = groupPoint(groups, 17, {0, 0, 0});
    return twisted(f, groups.findReal(51).value_or(0) * std::numbers::pi / 180.0);
}

Frame extrusionFrame(const double extrusion[3]) {
    Frame f;
    f.axes = geom::ocsAxes(extrusion);
    return f;
}

} // namespace vma::host
