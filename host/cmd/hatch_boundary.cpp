#include "host/cmd/hatch_boundary.h"

#include "host/geom/curves.h"
#include "host/geom/groups.h"
#include "host/geom/matrix.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace vma::cmd {
namespace {

using geom::Vec3;

// Ends closer than this meet (drawing units).
constexpr double kMeet = 1e-6;

// An open run of vertices: each with the bulge to the next, then the end point.
struct Piece {
    std::vector<LoopVertex> vertices;
    Vec3 end;

    Vec3 start() const { return vertices.front().point; }
};

bool meets(const Vec3& a, const Vec3& b) {
    return std::fabs(a.x - b.x) <= kMeet && std::fabs(a.y - b.y) <= kMeet;
}

Piece reversed(const Piece& p) {
    Piece r;
    r.vertices.push_back({p.end, -p.vertices.back().bulge});
    for (size_t i = p.vertices.size() - 1; i > 0; --i)
        r.vertices.push_back({p.vertices[i].point, -p.vertices[i - 1].bulge});
    r.end = p.vertices.front().point;
    return r;
}

Loop circleLoop(const db::GroupList& g) {
    Vec3 c = geom::pointOr(g, 10);
    double r = geom::realOr(g, 40, 0);
    return {{{c.x - r, c.y, c.z}, 1}, {{c.x + r, c.y, c.z}, 1}};
}

Piece arcPiece(const db::GroupList& g) {
    Vec3 c = geom::pointOr(g, 10);
    double r = geom::realOr(g, 40, 0);
    double a0 = geom::radians(geom::realOr(g, 50, 0));
    double a1 = geom::radians(geom::realOr(g, 51, 360));
    double sweep = a1 - a0;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    Vec3 s{c.x + r * std::cos(a0), c.y + r * std::sin(a0), c.z};
    Vec3 e{c.x + r * std::cos(a1), c.y + r * std::sin(a1), c.z};
    return {{{s, std::tan(sweep / 4)}}, e};
}

// Adds the object as a loop or as a piece to chain; false when it is no curve.
bool collect(const db::Database& db, db::EntityId id, std::vector<Loop>& loops,
             std::vector<Piece>& pieces) {
    const db::Entity& e = db.entity(id);
    const db::GroupList& g = e.groups;
    std::string_view type = e.type();
    if (type == "CIRCLE") {
        loops.push_back(circleLoop(g));
        return true;
    }
    if (type == "LINE") {
        pieces.push_back({{{geom::pointOr(g, 10), 0}}, geom::pointOr(g, 11)});
        return true;
    }
    if (type == "ARC") {
        pieces.push_back(arcPiece(g));
        return true;
    }
    if (type != "LWPOLYLINE" && type != "POLYLINE")
        return false;
    std::vector<LoopVertex> v = polylineVertices(db, id);
    if (v.size() < 2)
        return false;
    bool closed = (geom::intOr(g, 70, 0) & 1) != 0;
    if (!closed && meets(v.front().point, v.back().point) && v.size() > 2) {
        v.pop_back();
        closed = true;
    }
    if (closed) {
        loops.push_back(std::move(v));
        return true;
    }
    Vec3 end = v.back().point;
    v.pop_back();
    pieces.push_back({std::move(v), end});
    return true;
}

// Takes the piece that continues from point, turned to start there.
std::optional<Piece> takeNext(std::vector<Piece>& pieces, const Vec3& point) {
    for (size_t i = 0; i < pieces.size(); ++i) {
        Piece p = pieces[i];
        if (meets(p.start(), point) || meets(p.end, point)) {
            pieces.erase(pieces.begin() + static_cast<long>(i));
            return meets(p.start(), point) ? p : reversed(p);
        }
    }
    return std::nullopt;
}

// Chains pieces into closed loops; a piece that closes on nothing is counted
// as ignored, except a lone open polyline, which is closed by a straight edge.
void chain(std::vector<Piece> pieces, Boundary& out) {
    while (!pieces.empty()) {
        Piece current = pieces.front();
        pieces.erase(pieces.begin());
        size_t used = 1;
        while (!meets(current.end, current.start())) {
            auto next = takeNext(pieces, current.end);
            if (!next)
                break;
            current.vertices.insert(current.vertices.end(), next->vertices.begin(),
                                    next->vertices.end());
            current.end = next->end;
            ++used;
        }
        bool closes = meets(current.end, current.start());
        bool lonePolyline = used == 1 && current.vertices.size() > 1;
        if (closes || lonePolyline) {
            if (!closes)
                current.vertices.push_back({current.end, 0});
            out.loops.push_back(std::move(current.vertices));
        } else {
            out.ignored += used;
        }
    }
}

// The loop as a flat ring, bulges broken into chords.
std::vector<Vec3> ring(const Loop& loop) {
    std::vector<Vec3> out;
    for (size_t i = 0; i < loop.size(); ++i) {
        out.push_back(loop[i].point);
        geom::appendBulge(out, loop[i].point, loop[(i + 1) % loop.size()].point, loop[i].bulge);
    }
    return out;
}

bool inside(const std::vector<Vec3>& poly, const Vec3& p) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Vec3& a = poly[i];
        const Vec3& b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

} // namespace

Boundary boundaryOf(const db::Database& db, const std::vector<db::EntityId>& ids) {
    Boundary out;
    std::vector<Piece> pieces;
    for (db::EntityId id : ids)
        if (!collect(db, id, out.loops, pieces))
            ++out.ignored;
    chain(std::move(pieces), out);
    return out;
}

std::vector<bool> outermost(const std::vector<Loop>& loops) {
    std::vector<std::vector<Vec3>> rings;
    for (const Loop& l : loops)
        rings.push_back(ring(l));
    std::vector<bool> out(loops.size(), true);
    // Boundaries do not cross, so any point of one tells whether it lies inside another.
    for (size_t i = 0; i < loops.size(); ++i) {
        Vec3 probe = loops[i].front().point;
        int around = 0;
        for (size_t j = 0; j < loops.size(); ++j)
            if (j != i && inside(rings[j], probe))
                ++around;
        out[i] = around % 2 == 0;
    }
    return out;
}

Vec3 insidePoint(const Loop& loop) {
    std::vector<Vec3> r = ring(loop);
    double lo = 1e300, hi = -1e300;
    for (const Vec3& p : r) {
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
    }
    // A scan line a little off the middle, so it misses vertices on the middle line.
    double y = lo + (hi - lo) * 0.5001;
    std::vector<double> xs;
    for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
        const Vec3& a = r[i];
        const Vec3& b = r[j];
        if ((a.y > y) != (b.y > y))
            xs.push_back(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    if (xs.size() < 2)
        return r.empty() ? Vec3{} : r.front();
    return {(xs[0] + xs[1]) / 2, y, r.front().z};
}

} // namespace vma::cmd
