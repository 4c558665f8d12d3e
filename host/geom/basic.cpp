// Lines, points, circles, arcs, ellipses, solids, faces and splines.
#include "host/geom/curves.h"
#include "host/geom/groups.h"
#include "host/geom/scene.h"

#include <cmath>
#include <numbers>

namespace vma::geom {
namespace {

// OCS entities: coordinates taken through the extrusion, then the placement.
Matrix ocsToWorld(const Draw& d) {
    return d.place->toWorld * Matrix::ocs(extrusion(d.groups()));
}

std::vector<double> reals(const db::GroupList& g, int code) {
    std::vector<double> out;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == code)
            out.push_back(g.real(i));
    return out;
}

std::vector<Vec3> points(const db::GroupList& g, int code) {
    std::vector<Vec3> out;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == code)
            out.push_back(pointAt(g, i));
    return out;
}

} // namespace

void drawLine(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    s.polyline(d, d.place->toWorld, {pointOr(g, 10), pointOr(g, 11)}, false);
}

void drawPoint(Scene& s, const Draw& d) {
    s.point(d, d.place->toWorld, pointOr(d.groups(), 10));
}

void drawCircle(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    double r = realOr(g, 40, 0);
    if (r <= 0)
        return;
    s.polyline(d, ocsToWorld(d), circlePoints(pointOr(g, 10), r), true);
}

void drawArc(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    double r = realOr(g, 40, 0);
    if (r <= 0)
        return;
    std::vector<Vec3> pts;
    appendArc(pts, pointOr(g, 10), r, radians(realOr(g, 50, 0)), radians(realOr(g, 51, 360)));
    s.polyline(d, ocsToWorld(d), pts, false);
}

void drawEllipse(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    Vec3 major = pointOr(g, 11);
    if (length(major) < 1e-12)
        return;
    Vec3 normal = extrusion(g);
    double ratio = realOr(g, 40, 1);
    Vec3 minor = cross(normal * (1 / length(normal)), major) * ratio;
    double t0 = realOr(g, 41, 0), t1 = realOr(g, 42, 2 * std::numbers::pi);
    std::vector<Vec3> pts;
    appendEllipse(pts, pointOr(g, 10), major, minor, t0, t1);
    bool full = std::fabs(std::fabs(t1 - t0) - 2 * std::numbers::pi) < 1e-9;
    if (full)
        pts.pop_back();
    s.polyline(d, d.place->toWorld, pts, full);
}

void drawSolid(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    Vec3 p1 = pointOr(g, 10), p2 = pointOr(g, 11), p3 = pointOr(g, 12);
    Vec3 p4 = pointOr(g, 13, p3);
    // The fourth corner is drawn third: a solid's outline runs 1, 2, 4, 3.
    s.fill(d, ocsToWorld(d), {p1, p2, p4, p3});
}

void drawFace(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    Vec3 p3 = pointOr(g, 12);
    s.polyline(d, d.place->toWorld, {pointOr(g, 10), pointOr(g, 11), p3, pointOr(g, 13, p3)}, true);
}

void drawSpline(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    std::vector<Vec3> control = points(g, 10);
    std::vector<Vec3> curve = bspline(intOr(g, 71, 3), reals(g, 40), control, reals(g, 41));
    if (curve.empty())
        curve = control.empty() ? points(g, 11) : control;
    bool closed = (intOr(g, 70, 0) & 1) != 0;
    s.polyline(d, d.place->toWorld, curve, closed && curve.size() > 2);
}

} // namespace vma::geom
