#include "host/cmd/ucs_frame.h"

#include "host/sysvar/access.h"

#include <cmath>

namespace vma::cmd {
namespace {

Vec3 vec(const double a[3]) {
    return {a[0], a[1], a[2]};
}

Vec3 minus(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 combined(double s, const Vec3& a, double t, const Vec3& b) {
    return {s * a[0] + t * b[0], s * a[1] + t * b[1], s * a[2] + t * b[2]};
}

std::optional<Vec3> unit(const Vec3& v) {
    double len = std::sqrt(dot(v, v));
    if (len < 1e-12)
        return std::nullopt;
    return Vec3{v[0] / len, v[1] / len, v[2] / len};
}

void put(const Vec3& v, double out[3]) {
    for (size_t i = 0; i < 3; ++i)
        out[i] = v[i];
}

host::Frame make(const Vec3& origin, const Vec3& x, const Vec3& y) {
    host::Frame f;
    put(x, f.axes.x);
    put(y, f.axes.y);
    put(cross(x, y), f.axes.z);
    f.origin = origin;
    return f;
}

// Small rounding left by the turns is taken off, so that a turn by 90 degrees
// gives axes of exact zeros and ones.
Vec3 tidy(Vec3 v) {
    for (double& c : v)
        if (std::abs(c) < 1e-14)
            c = 0;
    return v;
}

void setPoint(host::Session& session, std::string_view name, const Vec3& v) {
    auto value = host::SysvarValue::ofPoint(host::VarType::Point3, v[0], v[1], v[2]);
    (void)host::setSysvarInternal(session, name, value);
}

} // namespace

host::Frame rotatedAbout(const host::Frame& frame, int axis, double angle) {
    Vec3 axes[3] = {vec(frame.axes.x), vec(frame.axes.y), vec(frame.axes.z)};
    Vec3& a = axes[(axis + 1) % 3];
    Vec3& b = axes[(axis + 2) % 3];
    double c = std::cos(angle);
    double s = std::sin(angle);
    Vec3 turnedA = combined(c, a, s, b);
    Vec3 turnedB = combined(-s, a, c, b);
    a = turnedA;
    b = turnedB;
    return make(frame.origin, tidy(axes[0]), tidy(axes[1]));
}

std::optional<host::Frame> frameThrough(const Vec3& origin, const std::optional<Vec3>& onX,
                                        const std::optional<Vec3>& onXY, const host::Frame& old) {
    auto x = onX ? unit(minus(*onX, origin)) : std::optional<Vec3>(vec(old.axes.x));
    if (!x)
        return std::nullopt;
    Vec3 towardY = onXY ? minus(*onXY, origin) : vec(old.axes.y);
    auto y = unit(combined(1, towardY, -dot(towardY, *x), *x));
    if (!y && !onXY) {
        // The old Y axis lies along the new X: keep the old Z up instead.
        y = unit(cross(vec(old.axes.z), *x));
    }
    if (!y)
        return std::nullopt;
    return make(origin, *x, *y);
}

std::optional<host::Frame> frameAlongZ(const Vec3& origin, const Vec3& onZ) {
    auto z = unit(minus(onZ, origin));
    if (!z)
        return std::nullopt;
    host::Frame f = host::extrusionFrame(z->data());
    f.origin = origin;
    return f;
}

host::Frame currentUcs(host::Session& session) {
    return host::ucsFrame(*session.current().db);
}

void storeUcs(host::Session& session, const host::Frame& frame, std::string_view name) {
    setPoint(session, "UCSORG", frame.origin);
    setPoint(session, "UCSXDIR", vec(frame.axes.x));
    setPoint(session, "UCSYDIR", vec(frame.axes.y));
    (void)host::setSysvarInternal(session, "UCSNAME", host::SysvarValue::ofText(std::string(name)));
}

bool isWorld(const host::Frame& frame) {
    auto near = [](const Vec3& a, const Vec3& b) {
        Vec3 d = minus(a, b);
        return dot(d, d) < 1e-20;
    };
    return near(frame.origin, {0, 0, 0}) && near(vec(frame.axes.x), {1, 0, 0}) &&
           near(vec(frame.axes.y), {0, 1, 0});
}

Vec3 toWorldPoint(const host::Frame& frame, const Vec3& p) {
    Vec3 out{};
    host::toWorld(frame, p.data(), false, out.data());
    return out;
}

} // namespace vma::cmd
