#include "host/input/shapes.h"

#include "host/geom/ocs.h"
#include "host/input/values.h"

#include <cmath>
#include <numbers>

namespace vma::input {
namespace {

constexpr double kPi = std::numbers::pi;

struct Ocs {
    geom::Axes axes{};
    bool world = true;
    bool mirrored = false; // extrusion (0,0,-1): X flips, angles turn the other way

    Point toWorld(const Point& p) const {
        Point out{};
        geom::ocsToWcs(axes, p.data(), out.data());
        return out;
    }
};

Ocs ocsOf(const db::GroupList& g) {
    double z[3] = {g.findReal(210).value_or(0), g.findReal(220).value_or(0),
                   g.findReal(230).value_or(1)};
    Ocs ocs;
    ocs.axes = geom::ocsAxes(z);
    ocs.world = geom::isWorldZ(z);
    ocs.mirrored = !ocs.world && std::abs(z[0]) < 1e-12 && std::abs(z[1]) < 1e-12 && z[2] < 0;
    return ocs;
}

Point at(const db::GroupList& g, int code) {
    return {g.findReal(code).value_or(0), g.findReal(code + 10).value_or(0),
            g.findReal(code + 20).value_or(0)};
}

double midAngle(const Arc& arc) {
    double sweep = normalizeAngle(arc.end - arc.start);
    return arc.start + sweep / 2;
}

// An arc given in an entity's OCS, placed in the world.
Arc worldArc(const Ocs& ocs, Point centre, double radius, double a0, double a1, bool full) {
    Arc arc{ocs.toWorld(centre), radius, a0, a1, full};
    if (ocs.mirrored) {
        arc.start = normalizeAngle(kPi - a1);
        arc.end = normalizeAngle(kPi - a0);
    }
    return arc;
}

void addArc(Shape& s, const Arc& arc) {
    s.arcs.push_back(arc);
    s.centres.push_back(arc.centre);
    for (int q = 0; q < 4; ++q)
        if (arc.full || onArc(arc, q * kPi / 2))
            s.quadrants.push_back(arcPoint(arc, q * kPi / 2));
    if (arc.full)
        return;
    s.ends.push_back(arcPoint(arc, arc.start));
    s.ends.push_back(arcPoint(arc, arc.end));
    s.mids.push_back(arcPoint(arc, midAngle(arc)));
}

void addSegment(Shape& s, const Point& a, const Point& b) {
    s.segments.push_back({a, b});
    s.ends.push_back(a);
    s.ends.push_back(b);
    s.mids.push_back({(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2});
}

// A polyline segment from p0 to p1 (OCS) with a bulge.
void addBulged(Shape& s, const Ocs& ocs, const Point& p0, const Point& p1, double bulge) {
    if (std::abs(bulge) < 1e-12) {
        addSegment(s, ocs.toWorld(p0), ocs.toWorld(p1));
        return;
    }
    double dx = p1[0] - p0[0], dy = p1[1] - p0[1];
    double chord = std::hypot(dx, dy);
    if (chord < 1e-12)
        return;
    double sweep = 4 * std::atan(bulge);
    double radius = std::abs(chord / (2 * std::sin(sweep / 2)));
    double offset = chord / 2 / std::tan(sweep / 2); // signed: left of the chord when positive
    Point c{(p0[0] + p1[0]) / 2 - offset * dy / chord, (p0[1] + p1[1]) / 2 + offset * dx / chord,
            p0[2]};
    double a0 = std::atan2(p0[1] - c[1], p0[0] - c[0]);
    double a1 = std::atan2(p1[1] - c[1], p1[0] - c[0]);
    if (bulge < 0)
        std::swap(a0, a1);
    addArc(s, worldArc(ocs, c, radius, normalizeAngle(a0), normalizeAngle(a1), false));
}

struct Vertex {
    Point p{};
    double bulge = 0;
};

void addPolyline(Shape& s, const Ocs& ocs, const std::vector<Vertex>& v, bool closed) {
    for (size_t i = 0; i + 1 < v.size(); ++i)
        addBulged(s, ocs, v[i].p, v[i + 1].p, v[i].bulge);
    if (closed && v.size() > 2)
        addBulged(s, ocs, v.back().p, v.front().p, v.back().bulge);
}

std::vector<Vertex> lwVertices(const db::GroupList& g) {
    std::vector<Vertex> out;
    double elevation = g.findReal(38).value_or(0);
    for (size_t i = 0; i < g.size(); ++i) {
        int code = g[i].code;
        if (code == 10)
            out.push_back({{g.real(i), 0, elevation}, 0});
        if (code == 20 && !out.empty())
            out.back().p[1] = g.real(i);
        if (code == 42 && !out.empty())
            out.back().bulge = g.real(i);
    }
    return out;
}

std::vector<Vertex> heavyVertices(const db::Database& db, db::EntityId id) {
    std::vector<Vertex> out;
    const auto& block = db.block(db.entity(id).block);
    for (db::EntityId sub : block.entities) {
        const auto& e = db.entity(sub);
        if (e.parent != id || e.erased || e.type() != "VERTEX")
            continue;
        out.push_back({at(e.groups, 10), e.groups.findReal(42).value_or(0)});
    }
    return out;
}

void addCorners(Shape& s, const Ocs& ocs, const db::GroupList& g, bool solidOrder) {
    Point c[4] = {at(g, 10), at(g, 11), at(g, 12), at(g, 13)};
    if (solidOrder)
        std::swap(c[2], c[3]);
    for (int i = 0; i < 4; ++i)
        addSegment(s, ocs.toWorld(c[i]), ocs.toWorld(c[(i + 1) % 4]));
}

} // namespace

bool onArc(const Arc& arc, double angle) {
    if (arc.full)
        return true;
    return normalizeAngle(angle - arc.start) <= normalizeAngle(arc.end - arc.start) + 1e-9;
}

Point arcPoint(const Arc& arc, double angle) {
    return {arc.centre[0] + arc.radius * std::cos(angle),
            arc.centre[1] + arc.radius * std::sin(angle), arc.centre[2]};
}

Shape shapeOf(const db::Database& db, db::EntityId id) {
    const auto& e = db.entity(id);
    const auto& g = e.groups;
    std::string_view type = e.type();
    Ocs ocs = ocsOf(g);
    Shape s;
    double degree = kPi / 180;
    if (type == "LINE")
        addSegment(s, at(g, 10), at(g, 11));
    else if (type == "CIRCLE")
        addArc(s, worldArc(ocs, at(g, 10), g.findReal(40).value_or(0), 0, 0, true));
    else if (type == "ARC")
        addArc(s, worldArc(ocs, at(g, 10), g.findReal(40).value_or(0),
                           normalizeAngle(g.findReal(50).value_or(0) * degree),
                           normalizeAngle(g.findReal(51).value_or(0) * degree), false));
    else if (type == "LWPOLYLINE")
        addPolyline(s, ocs, lwVertices(g), (g.findInt(70).value_or(0) & 1) != 0);
    else if (type == "POLYLINE")
        addPolyline(s, ocs, heavyVertices(db, id), (g.findInt(70).value_or(0) & 1) != 0);
    else if (type == "SOLID" || type == "TRACE")
        addCorners(s, ocs, g, true);
    else if (type == "3DFACE")
        addCorners(s, Ocs{}, g, false);
    else if (type == "INSERT")
        s.inserts.push_back(ocs.toWorld(at(g, 10)));
    else if (type == "TEXT" || type == "ATTDEF") {
        bool aligned = g.findInt(72).value_or(0) != 0 || g.findInt(73).value_or(0) != 0;
        s.inserts.push_back(ocs.toWorld(at(g, aligned && g.find(11) >= 0 ? 11 : 10)));
    } else if (type == "MTEXT")
        s.inserts.push_back(at(g, 10));
    else if (type == "POINT")
        s.nodes.push_back(at(g, 10));
    return s;
}

} // namespace vma::input
