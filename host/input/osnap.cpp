#include "host/input/osnap.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/input/shapes.h"
#include "host/sysvar/access.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vma::input {
namespace {

struct ModeName {
    const wchar_t* name;
    unsigned bit;
};

constexpr ModeName kModes[] = {
    {L"ENDPOINT", kSnapEnd},
    {L"MIDPOINT", kSnapMid},
    {L"CENTER", kSnapCen},
    {L"NODE", kSnapNod},
    {L"QUADRANT", kSnapQua},
    {L"INTERSECTION", kSnapInt},
    {L"INSERT", kSnapIns},
    {L"PERPENDICULAR", kSnapPer},
    {L"TANGENT", kSnapTan},
    {L"NEAREST", kSnapNea},
    {L"NONE", 0},
};

std::optional<unsigned> oneMode(std::wstring_view name) {
    if (name.starts_with(L"_"))
        name.remove_prefix(1);
    std::wstring upper = upperName(name);
    if (upper.size() < 3)
        return std::nullopt;
    for (const auto& m : kModes)
        if (std::wstring_view(m.name).starts_with(upper))
            return m.bit;
    if (upper == L"CEN" || upper == L"CENTRE")
        return kSnapCen;
    return std::nullopt;
}

double dist2d(const Point& a, const Point& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1]);
}

Point foot(const Segment& s, const Point& p, bool clamp) {
    double dx = s.b[0] - s.a[0], dy = s.b[1] - s.a[1], dz = s.b[2] - s.a[2];
    double len2 = dx * dx + dy * dy;
    double t = len2 < 1e-24 ? 0 : ((p[0] - s.a[0]) * dx + (p[1] - s.a[1]) * dy) / len2;
    if (clamp)
        t = std::clamp(t, 0.0, 1.0);
    return {s.a[0] + t * dx, s.a[1] + t * dy, s.a[2] + t * dz};
}

bool onSegment(const Segment& s, const Point& p) {
    return dist2d(foot(s, p, true), p) < 1e-9 * (1 + dist2d(s.a, s.b));
}

std::optional<Point> nearestOnArc(const Arc& arc, const Point& p) {
    double a = std::atan2(p[1] - arc.centre[1], p[0] - arc.centre[0]);
    if (onArc(arc, a))
        return arcPoint(arc, a);
    Point e0 = arcPoint(arc, arc.start), e1 = arcPoint(arc, arc.end);
    return dist2d(e0, p) < dist2d(e1, p) ? e0 : e1;
}

void crossings(const Segment& s, const Segment& t, std::vector<Point>& out) {
    double d1x = s.b[0] - s.a[0], d1y = s.b[1] - s.a[1];
    double d2x = t.b[0] - t.a[0], d2y = t.b[1] - t.a[1];
    double den = d1x * d2y - d1y * d2x;
    if (std::abs(den) < 1e-15)
        return;
    double u = ((t.a[0] - s.a[0]) * d2y - (t.a[1] - s.a[1]) * d2x) / den;
    double v = ((t.a[0] - s.a[0]) * d1y - (t.a[1] - s.a[1]) * d1x) / den;
    if (u < -1e-9 || u > 1 + 1e-9 || v < -1e-9 || v > 1 + 1e-9)
        return;
    out.push_back({s.a[0] + u * d1x, s.a[1] + u * d1y, s.a[2] + u * (s.b[2] - s.a[2])});
}

void crossings(const Segment& s, const Arc& arc, std::vector<Point>& out) {
    double dx = s.b[0] - s.a[0], dy = s.b[1] - s.a[1];
    double fx = s.a[0] - arc.centre[0], fy = s.a[1] - arc.centre[1];
    double a = dx * dx + dy * dy, b = 2 * (fx * dx + fy * dy);
    double c = fx * fx + fy * fy - arc.radius * arc.radius;
    double disc = b * b - 4 * a * c;
    if (a < 1e-24 || disc < 0)
        return;
    for (double sign : {-1.0, 1.0}) {
        double t = (-b + sign * std::sqrt(disc)) / (2 * a);
        Point p{s.a[0] + t * dx, s.a[1] + t * dy, s.a[2]};
        if (t >= -1e-9 && t <= 1 + 1e-9 &&
            onArc(arc, std::atan2(p[1] - arc.centre[1], p[0] - arc.centre[0])))
            out.push_back(p);
    }
}

void crossings(const Arc& p, const Arc& q, std::vector<Point>& out) {
    double d = dist2d(p.centre, q.centre);
    if (d < 1e-12 || d > p.radius + q.radius || d < std::abs(p.radius - q.radius))
        return;
    double a = (p.radius * p.radius - q.radius * q.radius + d * d) / (2 * d);
    double h = std::sqrt(std::max(0.0, p.radius * p.radius - a * a));
    double ux = (q.centre[0] - p.centre[0]) / d, uy = (q.centre[1] - p.centre[1]) / d;
    for (double sign : {-1.0, 1.0}) {
        Point x{p.centre[0] + a * ux - sign * h * uy, p.centre[1] + a * uy + sign * h * ux,
                p.centre[2]};
        auto angle = [&](const Arc& c) {
            return std::atan2(x[1] - c.centre[1], x[0] - c.centre[0]);
        };
        if (onArc(p, angle(p)) && onArc(q, angle(q)))
            out.push_back(x);
    }
}

struct Near {
    std::vector<Segment> segments;
    std::vector<Arc> arcs;
};

void intersections(const Near& near, std::vector<Point>& out) {
    for (size_t i = 0; i < near.segments.size(); ++i) {
        for (size_t j = i + 1; j < near.segments.size(); ++j)
            crossings(near.segments[i], near.segments[j], out);
        for (const auto& arc : near.arcs)
            crossings(near.segments[i], arc, out);
    }
    for (size_t i = 0; i < near.arcs.size(); ++i)
        for (size_t j = i + 1; j < near.arcs.size(); ++j)
            crossings(near.arcs[i], near.arcs[j], out);
}

void perpendiculars(const Near& near, const Point& from, std::vector<Point>& out) {
    for (const auto& s : near.segments) {
        Point f = foot(s, from, false);
        if (onSegment(s, f))
            out.push_back(f);
    }
    for (const auto& arc : near.arcs) {
        double a = std::atan2(from[1] - arc.centre[1], from[0] - arc.centre[0]);
        for (double b : {a, a + std::numbers::pi})
            if (onArc(arc, b))
                out.push_back(arcPoint(arc, b));
    }
}

void nearest(const Near& near, const Point& pick, std::vector<Point>& out) {
    for (const auto& s : near.segments)
        out.push_back(foot(s, pick, true));
    for (const auto& arc : near.arcs)
        if (auto p = nearestOnArc(arc, pick))
            out.push_back(*p);
}

bool segmentNear(const Segment& s, const Point& p, double r) {
    return dist2d(foot(s, p, true), p) <= r;
}

bool arcNear(const Arc& arc, const Point& p, double r) {
    auto q = nearestOnArc(arc, p);
    return q && dist2d(*q, p) <= r;
}

// A centre is found by pointing at its curve: it ranks by the curve's distance.
struct Centre {
    Point point{};
    double distance = 0;
};

void collect(const Shape& s, unsigned modes, const Point& pick, double r, Near& near,
             std::vector<Point>& out, std::vector<Centre>& centres) {
    auto add = [&](unsigned bit, const std::vector<Point>& points) {
        if (modes & bit)
            out.insert(out.end(), points.begin(), points.end());
    };
    add(kSnapEnd, s.ends);
    add(kSnapMid, s.mids);
    add(kSnapQua, s.quadrants);
    add(kSnapIns, s.inserts);
    add(kSnapNod, s.nodes);
    for (const auto& seg : s.segments)
        if (segmentNear(seg, pick, r))
            near.segments.push_back(seg);
    for (const auto& arc : s.arcs) {
        if (!arcNear(arc, pick, r))
            continue;
        near.arcs.push_back(arc);
        if (modes & kSnapCen)
            centres.push_back({arc.centre, dist2d(*nearestOnArc(arc, pick), pick)});
    }
}

bool skipped(const db::Entity& e) {
    return e.erased || e.parent != db::kNoEntity;
}

} // namespace

std::optional<unsigned> parseSnapModes(std::wstring_view text) {
    unsigned modes = 0;
    while (!text.empty()) {
        size_t comma = text.find(L',');
        auto m = oneMode(text.substr(0, comma));
        if (!m)
            return std::nullopt;
        modes |= *m;
        if (comma == std::wstring_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return modes;
}

std::optional<Point> snapPoint(const db::Database& db, const Point& pick, double aperture,
                               unsigned modes, const std::optional<Point>& from) {
    if (db.blocks().empty())
        return std::nullopt;
    std::vector<Point> candidates;
    std::vector<Centre> centres;
    Near near;
    for (db::EntityId id : db.block(db.modelSpace()).entities) {
        const auto& e = db.entity(id);
        if (!skipped(e))
            collect(shapeOf(db, id), modes, pick, aperture, near, candidates, centres);
    }
    if (modes & kSnapInt)
        intersections(near, candidates);
    if ((modes & kSnapPer) && from)
        perpendiculars(near, *from, candidates);
    if (modes & kSnapNea)
        nearest(near, pick, candidates);
    std::optional<Point> best;
    double bestDistance = aperture;
    for (const auto& c : centres) {
        if (c.distance <= bestDistance) {
            best = c.point;
            bestDistance = c.distance;
        }
    }
    for (const auto& c : candidates) {
        double d = dist2d(c, pick);
        if (d <= bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

double pixelSize() {
    auto& session = host::Session::get();
    auto view = host::getSysvar(session, "VIEWSIZE");
    auto screen = host::getSysvar(session, "SCREENSIZE");
    if (!view.ok() || !screen.ok() || screen->point[1] <= 0)
        return 1;
    return view->real / screen->point[1];
}

} // namespace vma::input
