// Reading a HATCH's boundary paths and pattern definition, and drawing it.
#include "host/geom/hatch.h"

#include "host/geom/curves.h"
#include "host/geom/groups.h"
#include "host/geom/matrix.h"
#include "host/geom/scene.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vma::geom {
namespace {

// Walks the groups in order, as the boundary data depends on it.
class Cursor {
public:
    explicit Cursor(const db::GroupList& g, size_t at = 0) : g_(g), i_(at) {}

    bool atEnd() const { return i_ >= g_.size() || g_[i_].code == 1001; }
    // The value of the current group when it has this code (and steps past it).
    std::optional<double> take(int code) {
        if (atEnd() || g_[i_].code != code)
            return std::nullopt;
        return g_.real(i_++);
    }
    double takeOr(int code, double fallback) { return take(code).value_or(fallback); }
    long count(int code) { return std::max(0L, static_cast<long>(takeOr(code, 0))); }
    Vec3 point(int code) {
        double x = takeOr(code, 0);
        double y = takeOr(code + 10, 0);
        return {x, y, 0};
    }
    // Whether the current group has this code: counts in the data are only
    // believed as far as the groups bear them out.
    bool at(int code) const { return !atEnd() && g_[i_].code == code; }
    // Moves to the next group with this code; false when there is none.
    bool seek(int code) {
        while (!atEnd() && g_[i_].code != code)
            ++i_;
        return !atEnd();
    }
    // The same, but not past the groups that follow the boundary paths.
    bool seekPath() {
        constexpr int kAfterPaths[] = {75, 76, 77, 78, 98};
        while (!atEnd() && g_[i_].code != 92) {
            if (std::find(std::begin(kAfterPaths), std::end(kAfterPaths), g_[i_].code) !=
                std::end(kAfterPaths))
                return false;
            ++i_;
        }
        return !atEnd();
    }

private:
    const db::GroupList& g_;
    size_t i_;
};

// Arcs and elliptic arcs marked clockwise store their angles mirrored
// (360 - angle); the points then run from the start backwards.
void appendEdgeArc(std::vector<Vec3>& ring, const Vec3& centre, const Vec3& major,
                   const Vec3& minor, double start, double end, bool ccw) {
    std::vector<Vec3> pts;
    if (ccw) {
        appendEllipse(pts, centre, major, minor, start, end);
    } else {
        appendEllipse(pts, centre, major, minor, -end, -start);
        std::reverse(pts.begin(), pts.end());
    }
    ring.insert(ring.end(), pts.begin(), pts.end());
}

void readSplineEdge(Cursor& c, std::vector<Vec3>& ring) {
    int degree = static_cast<int>(c.takeOr(94, 3));
    bool rational = c.takeOr(73, 0) != 0;
    c.take(74);
    long knotCount = c.count(95), controlCount = c.count(96);
    std::vector<double> knots, weights;
    std::vector<Vec3> control;
    for (long k = 0; k < knotCount && c.at(40); ++k)
        knots.push_back(c.takeOr(40, 0));
    for (long k = 0; k < controlCount && c.at(10); ++k) {
        control.push_back(c.point(10));
        if (rational)
            weights.push_back(c.takeOr(42, 1));
    }
    std::vector<Vec3> fit;
    long fitCount = c.count(97);
    for (long k = 0; k < fitCount && c.at(11); ++k)
        fit.push_back(c.point(11));
    if (c.take(12))
        c.take(22);
    if (c.take(13))
        c.take(23);
    std::vector<Vec3> curve = bspline(degree, knots, control, weights);
    if (curve.empty())
        curve = fit.empty() ? control : fit;
    ring.insert(ring.end(), curve.begin(), curve.end());
}

void readEdge(Cursor& c, std::vector<Vec3>& ring) {
    int type = static_cast<int>(c.takeOr(72, 1));
    if (type == 1) {
        ring.push_back(c.point(10));
        ring.push_back(c.point(11));
    } else if (type == 2) {
        Vec3 centre = c.point(10);
        double r = c.takeOr(40, 0);
        double a0 = radians(c.takeOr(50, 0)), a1 = radians(c.takeOr(51, 360));
        bool ccw = c.takeOr(73, 1) != 0;
        appendEdgeArc(ring, centre, {r, 0, 0}, {0, r, 0}, a0, a1, ccw);
    } else if (type == 3) {
        Vec3 centre = c.point(10), major = c.point(11);
        double ratio = c.takeOr(40, 1);
        // Elliptic edges give their ends as ellipse parameters.
        double a0 = radians(c.takeOr(50, 0)), a1 = radians(c.takeOr(51, 360));
        bool ccw = c.takeOr(73, 1) != 0;
        if (ratio <= 0)
            ratio = 1;
        Vec3 minor{-major.y * ratio, major.x * ratio, 0};
        appendEdgeArc(ring, centre, major, minor, a0, a1, ccw);
    } else if (type == 4) {
        readSplineEdge(c, ring);
    }
}

// Consecutive edges share their end points; keep one of each.
void dropRepeats(std::vector<Vec3>& ring) {
    auto same = [](const Vec3& a, const Vec3& b) {
        return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9;
    };
    ring.erase(std::unique(ring.begin(), ring.end(), same), ring.end());
    if (ring.size() > 1 && same(ring.front(), ring.back()))
        ring.pop_back();
}

std::vector<Vec3> readPath(Cursor& c) {
    int flags = static_cast<int>(c.takeOr(92, 0));
    std::vector<Vec3> ring;
    if (flags & 2) {
        bool bulges = c.takeOr(72, 0) != 0;
        c.take(73);
        long n = c.count(93);
        std::vector<std::pair<Vec3, double>> vertices;
        for (long k = 0; k < n && c.at(10); ++k) {
            Vec3 p = c.point(10);
            double bulge = bulges ? c.takeOr(42, 0) : 0;
            vertices.emplace_back(p, bulge);
        }
        for (size_t k = 0; k < vertices.size(); ++k) {
            const auto& [p, bulge] = vertices[k];
            ring.push_back(p);
            appendBulge(ring, p, vertices[(k + 1) % vertices.size()].first, bulge);
        }
    } else {
        long n = c.count(93);
        for (long k = 0; k < n && c.at(72); ++k)
            readEdge(c, ring);
    }
    dropRepeats(ring);
    return ring;
}

std::vector<PatternLine> readPattern(Cursor& c) {
    std::vector<PatternLine> lines;
    if (!c.seek(78))
        return lines;
    long n = c.count(78);
    for (long k = 0; k < n && c.at(53); ++k) {
        PatternLine line;
        line.angle = radians(c.takeOr(53, 0));
        line.base = {c.takeOr(43, 0), c.takeOr(44, 0), 0};
        line.offset = {c.takeOr(45, 0), c.takeOr(46, 0), 0};
        long dashes = c.count(79);
        for (long j = 0; j < dashes && c.at(49); ++j)
            line.dashes.push_back(c.takeOr(49, 0));
        lines.push_back(std::move(line));
    }
    return lines;
}

// One point list for rings with holes: each ring closes on its own start,
// then a bridge back to the first ring's start. The bridges are traversed
// twice, so an even-odd fill leaves the holes open.
std::vector<Vec3> joinedRings(const std::vector<std::vector<Vec3>>& rings) {
    std::vector<Vec3> out;
    for (const auto& ring : rings) {
        if (ring.size() < 3)
            continue;
        out.insert(out.end(), ring.begin(), ring.end());
        out.push_back(ring.front());
        if (out.front().x != ring.front().x || out.front().y != ring.front().y)
            out.push_back(out.front());
    }
    return out;
}

} // namespace

HatchShape readHatch(const db::GroupList& groups) {
    HatchShape shape;
    shape.solid = (intOr(groups, 70, 0) & 1) != 0;
    long start = groups.find(91);
    if (start < 0)
        return shape;
    Cursor c(groups, static_cast<size_t>(start));
    long paths = c.count(91);
    for (long k = 0; k < paths && c.seekPath(); ++k) {
        std::vector<Vec3> ring = readPath(c);
        if (ring.size() >= 2)
            shape.rings.push_back(std::move(ring));
    }
    if (!shape.solid)
        shape.lines = readPattern(c);
    return shape;
}

void drawHatch(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    HatchShape shape = readHatch(g);
    double elevation = pointOr(g, 10).z;
    Matrix frame =
        d.place->toWorld * Matrix::ocs(extrusion(g)) * Matrix::translation({0, 0, elevation});
    if (shape.solid) {
        s.fill(d, frame, joinedRings(shape.rings));
        return;
    }
    for (const Segment& seg : patternSegments(shape.rings, shape.lines)) {
        if (seg.a.x == seg.b.x && seg.a.y == seg.b.y)
            s.point(d, frame, seg.a);
        else
            s.polyline(d, frame, {seg.a, seg.b}, false);
    }
}

} // namespace vma::geom
