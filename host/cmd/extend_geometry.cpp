#include "host/cmd/extend_geometry.h"

#include "host/cmd/polyline_vertices.h"
#include "host/geom/groups.h"
#include "host/geom/matrix.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

using geom::dot;

constexpr double kTwoPi = 2 * std::numbers::pi;
// Movements shorter than this are the end lying on a boundary already.
constexpr double kEpsilon = 1e-9;
// Segments treated as whole lines reach this far.
constexpr double kFar = 1e12;

double angleOf(const Vec3& v) {
    return std::atan2(v.y, v.x);
}

double ccwFrom(double from, double to) {
    double d = std::fmod(to - from, kTwoPi);
    return d < 0 ? d + kTwoPi : d;
}

Vec3 onCircle(const Vec3& c, double r, double a) {
    return {c.x + r * std::cos(a), c.y + r * std::sin(a), c.z};
}

bool onArc(const Edge& e, const Vec3& p) {
    return e.sweep >= kTwoPi - 1e-12 || ccwFrom(e.start, angleOf(p - e.centre)) <= e.sweep + 1e-12;
}

Edge segment(const Vec3& a, const Vec3& b) {
    Edge e;
    e.a = a;
    e.b = b;
    return e;
}

Edge arcEdge(const Vec3& c, double r, double start, double sweep) {
    Edge e;
    e.arc = true;
    e.centre = c;
    e.radius = r;
    e.start = start;
    e.sweep = sweep;
    return e;
}

// The arc of a bulged segment from p to q.
Edge bulgeArc(const Vec3& p, const Vec3& q, double bulge) {
    double sweep = 4 * std::atan(bulge);
    double chord = geom::length(q - p);
    double r = chord / (2 * std::sin(std::fabs(sweep) / 2));
    Vec3 mid = (p + q) * 0.5;
    Vec3 u = (q - p) * (1 / chord);
    Vec3 left{-u.y, u.x, 0};
    double h = r * std::cos(std::fabs(sweep) / 2);
    Vec3 c = mid + left * (bulge > 0 ? h : -h);
    double a0 = angleOf((bulge > 0 ? p : q) - c);
    return arcEdge(c, r, a0, std::fabs(sweep));
}

using Vertex = BulgeVertex;

void polylineEdges(const std::vector<Vertex>& v, bool closed, std::vector<Edge>& out) {
    size_t n = closed ? v.size() : v.size() - 1;
    for (size_t i = 0; i < n && v.size() > 1; ++i) {
        const Vertex& p = v[i];
        const Vertex& q = v[(i + 1) % v.size()];
        if (std::fabs(p.bulge) > 1e-12 && geom::length(q.point - p.point) > 0)
            out.push_back(bulgeArc(p.point, q.point, p.bulge));
        else
            out.push_back(segment(p.point, q.point));
    }
}

Edge widened(Edge e) {
    if (e.arc) {
        e.start = 0;
        e.sweep = kTwoPi;
        return e;
    }
    Vec3 u = e.b - e.a;
    double len = geom::length(u);
    if (len <= 0)
        return e;
    u = u * (1 / len);
    e.a = e.a - u * kFar;
    e.b = e.b + u * kFar;
    return e;
}

// Points where a circle (centre c, radius r) crosses an edge.
std::vector<Vec3> circleHits(const Vec3& c, double r, const Edge& e) {
    std::vector<Vec3> out;
    if (!e.arc) {
        Vec3 d = e.b - e.a;
        double a = dot(d, d);
        if (a <= 0)
            return out;
        Vec3 f = e.a - c;
        double b = 2 * dot(f, d), k = dot(f, f) - r * r;
        double disc = b * b - 4 * a * k;
        if (disc < 0)
            return out;
        for (double s : {(-b - std::sqrt(disc)) / (2 * a), (-b + std::sqrt(disc)) / (2 * a)})
            if (s >= -1e-12 && s <= 1 + 1e-12)
                out.push_back(e.a + d * s);
        return out;
    }
    Vec3 between = e.centre - c;
    double d = std::hypot(between.x, between.y);
    if (d < 1e-12 || d > r + e.radius || d < std::fabs(r - e.radius))
        return out;
    double along = (r * r - e.radius * e.radius + d * d) / (2 * d);
    double h = std::sqrt(std::max(0.0, r * r - along * along));
    Vec3 u = between * (1 / d);
    Vec3 base = c + u * along;
    Vec3 left{-u.y, u.x, 0};
    for (Vec3 p : {base + left * h, base - left * h})
        if (onArc(e, p))
            out.push_back(p);
    return out;
}

// Distance along the ray from p in direction u to the nearest edge beyond p.
std::optional<double> rayHit(const Vec3& p, const Vec3& u, const std::vector<Edge>& edges) {
    std::optional<double> best;
    auto consider = [&](double t) {
        if (t > kEpsilon && (!best || t < *best))
            best = t;
    };
    for (const Edge& e : edges) {
        if (e.arc) {
            Vec3 f = p - e.centre;
            double b = dot(f, u), k = dot(f, f) - e.radius * e.radius;
            double disc = b * b - k;
            if (disc < 0)
                continue;
            for (double t : {-b - std::sqrt(disc), -b + std::sqrt(disc)})
                if (onArc(e, p + u * t))
                    consider(t);
            continue;
        }
        Vec3 d = e.b - e.a;
        double den = u.x * d.y - u.y * d.x;
        if (std::fabs(den) < 1e-15)
            continue;
        Vec3 w = e.a - p;
        double t = (w.x * d.y - w.y * d.x) / den;
        double s = (w.x * u.y - w.y * u.x) / den;
        if (s >= -1e-12 && s <= 1 + 1e-12)
            consider(t);
    }
    return best;
}

// How far (radians) an arc end at angle `at` can turn, counter-clockwise when
// ccw, before it meets an edge; never round into its own other end.
std::optional<double> turnHit(const Vec3& c, double r, double at, bool ccw, double limit,
                              const std::vector<Edge>& edges) {
    std::optional<double> best;
    for (const Edge& e : edges) {
        for (const Vec3& p : circleHits(c, r, e)) {
            double a = angleOf(p - c);
            double turn = ccw ? ccwFrom(at, a) : ccwFrom(a, at);
            if (turn > kEpsilon && turn < limit && (!best || turn < *best))
                best = turn;
        }
    }
    return best;
}

void setPoint(db::GroupList& g, long at, const Vec3& p) {
    db::GroupList v;
    v.addReal(10, p.x);
    v.addReal(20, p.y);
    g.replaceAt(static_cast<size_t>(at), v, 0);
    g.replaceAt(static_cast<size_t>(at) + 1, v, 1);
}

std::optional<db::GroupList> extendLine(db::GroupList g, const Vec3& pick,
                                        const std::vector<Edge>& edges) {
    Vec3 a = geom::pointOr(g, 10), b = geom::pointOr(g, 11);
    bool atEnd = geom::length(pick - b) <= geom::length(pick - a);
    Vec3 from = atEnd ? b : a, other = atEnd ? a : b;
    double len = geom::length(from - other);
    if (len <= 0)
        return std::nullopt;
    Vec3 u = (from - other) * (1 / len);
    auto t = rayHit(from, u, edges);
    if (!t)
        return std::nullopt;
    Vec3 to = from + u * *t;
    int code = atEnd ? 11 : 10;
    g.setReal(code, to.x);
    g.setReal(code + 10, to.y);
    g.setReal(code + 20, from.z);
    return g;
}

std::optional<db::GroupList> extendArc(db::GroupList g, const Vec3& pick,
                                       const std::vector<Edge>& edges) {
    Vec3 c = geom::pointOr(g, 10);
    double r = geom::realOr(g, 40, 0);
    double a0 = geom::radians(geom::realOr(g, 50, 0)), a1 = geom::radians(geom::realOr(g, 51, 0));
    double sweep = ccwFrom(a0, a1);
    bool atEnd = geom::length(pick - onCircle(c, r, a1)) <= geom::length(pick - onCircle(c, r, a0));
    auto turn = turnHit(c, r, atEnd ? a1 : a0, atEnd, kTwoPi - sweep, edges);
    if (!turn)
        return std::nullopt;
    double moved = atEnd ? a1 + *turn : a0 - *turn;
    g.setReal(atEnd ? 51 : 50, std::fmod(moved * 180 / std::numbers::pi + 720, 360));
    return g;
}

// An open polyline's end segment: straight ends move along it, bulged ends
// round their arc (the bulge grows with the sweep).
std::optional<db::GroupList> extendPolyline(const db::Database& db, db::EntityId id,
                                            db::GroupList g, const Vec3& pick,
                                            const std::vector<Edge>& edges) {
    if (geom::intOr(g, 70, 0) & 1)
        return std::nullopt;
    std::vector<Vertex> v = polylineVertices(db, id);
    if (v.size() < 2)
        return std::nullopt;
    size_t n = v.size();
    bool atEnd = geom::length(pick - v[n - 1].point) <= geom::length(pick - v[0].point);
    size_t moving = atEnd ? n - 1 : 0, fixed = atEnd ? n - 2 : 1;
    size_t bulgeAt = atEnd ? n - 2 : 0;
    double bulge = v[bulgeAt].bulge;
    Vec3 from = v[moving].point;
    Vec3 to;
    double newBulge = bulge;
    if (std::fabs(bulge) <= 1e-12) {
        double len = geom::length(from - v[fixed].point);
        if (len <= 0)
            return std::nullopt;
        Vec3 u = (from - v[fixed].point) * (1 / len);
        auto t = rayHit(from, u, edges);
        if (!t)
            return std::nullopt;
        to = from + u * *t;
    } else {
        Edge arc = bulgeArc(v[bulgeAt].point, v[bulgeAt + 1].point, bulge);
        // The end turns on in the direction the segment runs towards it.
        bool ccw = (bulge > 0) == atEnd;
        double at = angleOf(from - arc.centre);
        auto turn = turnHit(arc.centre, arc.radius, at, ccw, kTwoPi - arc.sweep, edges);
        if (!turn)
            return std::nullopt;
        to = onCircle(arc.centre, arc.radius, ccw ? at + *turn : at - *turn);
        double sweep = arc.sweep + *turn;
        newBulge = (bulge > 0 ? 1 : -1) * std::tan(sweep / 4);
    }
    long vertexIndex = -1;
    for (size_t i = 0, k = 0; i < g.size(); ++i) {
        if (g[i].code != 10)
            continue;
        if (k++ == moving)
            vertexIndex = static_cast<long>(i);
    }
    setPoint(g, vertexIndex, to);
    if (newBulge != bulge) {
        long seen = -1;
        for (size_t i = 0, k = 0; i < g.size(); ++i) {
            if (g[i].code == 10)
                seen = static_cast<long>(k++);
            if (g[i].code == 42 && seen == static_cast<long>(bulgeAt)) {
                db::GroupList b;
                b.addReal(42, newBulge);
                g.replaceAt(i, b, 0);
            }
        }
    }
    return g;
}

} // namespace

std::vector<Edge> edgesOf(const db::Database& db, db::EntityId id, bool extendEdges) {
    const db::Entity& e = db.entity(id);
    const db::GroupList& g = e.groups;
    std::vector<Edge> out;
    std::string_view type = e.type();
    if (type == "LINE") {
        out.push_back(segment(geom::pointOr(g, 10), geom::pointOr(g, 11)));
    } else if (type == "CIRCLE") {
        out.push_back(arcEdge(geom::pointOr(g, 10), geom::realOr(g, 40, 0), 0, kTwoPi));
    } else if (type == "ARC") {
        double a0 = geom::radians(geom::realOr(g, 50, 0));
        double a1 = geom::radians(geom::realOr(g, 51, 0));
        out.push_back(arcEdge(geom::pointOr(g, 10), geom::realOr(g, 40, 0), a0, ccwFrom(a0, a1)));
    } else if (type == "LWPOLYLINE" || type == "POLYLINE") {
        polylineEdges(polylineVertices(db, id), (geom::intOr(g, 70, 0) & 1) != 0, out);
    }
    if (extendEdges)
        for (Edge& edge : out)
            edge = widened(edge);
    return out;
}

std::optional<Vec3> segmentMeets(const Vec3& a, const Vec3& b, const std::vector<Edge>& edges) {
    double len = geom::length(b - a);
    if (len <= 0)
        return std::nullopt;
    Vec3 u = (b - a) * (1 / len);
    // From just before a, so that an edge through a itself counts.
    Vec3 from = a - u * (2 * kEpsilon);
    auto t = rayHit(from, u, edges);
    if (!t || *t > len + 2 * kEpsilon)
        return std::nullopt;
    return from + u * *t;
}

std::optional<db::GroupList> extended(const db::Database& db, db::EntityId id, const Vec3& pick,
                                      const std::vector<Edge>& edges) {
    const db::Entity& e = db.entity(id);
    if (e.type() == "LINE")
        return extendLine(e.groups, pick, edges);
    if (e.type() == "ARC")
        return extendArc(e.groups, pick, edges);
    if (e.type() == "LWPOLYLINE")
        return extendPolyline(db, id, e.groups, pick, edges);
    return std::nullopt;
}

} // namespace vma::cmd
