#include "host/db/window.h"

#include <algorithm>

namespace vma::host {
namespace {

using geom::Primitive;
using geom::Vec3;

bool contains(const Window& w, const Vec3& p) {
    return p.x >= w.low[0] && p.x <= w.high[0] && p.y >= w.low[1] && p.y <= w.high[1];
}

// Liang-Barsky: whether some part of the segment ab lies in the window.
bool segmentTouches(const Window& w, const Vec3& a, const Vec3& b) {
    double t0 = 0, t1 = 1;
    const double d[2] = {b.x - a.x, b.y - a.y};
    const double from[2] = {a.x, a.y};
    for (int axis = 0; axis < 2; ++axis) {
        for (double sign : {-1.0, 1.0}) {
            double p = sign * d[axis];
            double q = sign < 0 ? from[axis] - w.low[axis] : w.high[axis] - from[axis];
            if (p == 0) {
                if (q < 0)
                    return false;
                continue;
            }
            double t = q / p;
            if (p < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
    }
    return true;
}

bool pointInPolygon(const std::vector<Vec3>& polygon, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vec3& a = polygon[i];
        const Vec3& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool outlineTouches(const Window& w, const std::vector<Vec3>& points, bool closed) {
    if (points.size() == 1)
        return contains(w, points[0]);
    for (size_t i = 0; i + 1 < points.size(); ++i)
        if (segmentTouches(w, points[i], points[i + 1]))
            return true;
    return closed && points.size() > 2 && segmentTouches(w, points.back(), points.front());
}

// A filled area also touches a window lying wholly within it.
bool areaTouches(const Window& w, const std::vector<Vec3>& outline) {
    if (outline.empty())
        return false;
    return outlineTouches(w, outline, true) || pointInPolygon(outline, w.low[0], w.low[1]);
}

bool touches(const Window& w, const Primitive& p) {
    switch (p.kind) {
    case Primitive::Kind::Point:
        return !p.points.empty() && contains(w, p.points[0]);
    case Primitive::Kind::Polyline:
        return outlineTouches(w, p.points, p.closed);
    case Primitive::Kind::Fill:
        return areaTouches(w, p.points);
    case Primitive::Kind::Text: {
        auto box = geom::textBox(p);
        return areaTouches(w, std::vector<Vec3>(box.begin(), box.end()));
    }
    }
    return false;
}

} // namespace

bool isInsideWindow(const std::vector<Primitive>& primitives, const Window& window) {
    geom::Box box = geom::extents(primitives);
    return !box.empty() && contains(window, box.min) && contains(window, box.max);
}

bool crossesWindow(const std::vector<Primitive>& primitives, const Window& window) {
    return std::any_of(primitives.begin(), primitives.end(),
                       [&](const Primitive& p) { return touches(window, p); });
}

} // namespace vma::host
