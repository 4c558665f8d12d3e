// Light-weight and old-style polylines: bulges, widths (constant or tapering
// per segment), 3D polylines, polygon meshes and polyface meshes.
#include "host/geom/curves.h"
#include "host/geom/groups.h"
#include "host/geom/scene.h"

#include <cmath>
#include <cstdlib>

namespace vma::geom {
namespace {

struct Vertex {
    Vec3 p;
    double startWidth = 0, endWidth = 0, bulge = 0;
};

bool sameWidth(const std::vector<Vertex>& v, size_t segments) {
    for (size_t i = 0; i < segments; ++i)
        if (v[i].startWidth != v[0].startWidth || v[i].endWidth != v[0].startWidth)
            return false;
    return true;
}

// The points of segment i (from vertex i to the next), the first one included.
std::vector<Vec3> segmentPoints(const std::vector<Vertex>& v, size_t i) {
    const Vertex& a = v[i];
    const Vertex& b = v[(i + 1) % v.size()];
    std::vector<Vec3> pts{a.p};
    appendBulge(pts, a.p, b.p, a.bulge);
    return pts;
}

// A wide segment as the area it covers: offsets to both sides of its
// centre line, the width tapering from start to end.
std::vector<Vec3> band(const std::vector<Vec3>& pts, double w0, double w1) {
    size_t n = pts.size();
    std::vector<Vec3> left, right;
    for (size_t i = 0; i < n; ++i) {
        const Vec3& before = pts[i == 0 ? 0 : i - 1];
        const Vec3& after = pts[i + 1 < n ? i + 1 : n - 1];
        double dx = after.x - before.x, dy = after.y - before.y;
        double len = std::hypot(dx, dy);
        if (len < 1e-12)
            continue;
        double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0;
        double half = (w0 + (w1 - w0) * t) / 2;
        Vec3 normal{-dy / len * half, dx / len * half, 0};
        left.push_back(pts[i] + normal);
        right.push_back(pts[i] - normal);
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    return left;
}

void drawVertices(Scene& s, const Draw& d, const Matrix& m, const std::vector<Vertex>& v,
                  bool closed) {
    if (v.empty())
        return;
    if (v.size() == 1) {
        s.point(d, m, v[0].p);
        return;
    }
    size_t segments = closed ? v.size() : v.size() - 1;
    if (sameWidth(v, segments)) {
        std::vector<Vec3> pts{v[0].p};
        for (size_t i = 0; i < segments; ++i)
            appendBulge(pts, v[i].p, v[(i + 1) % v.size()].p, v[i].bulge);
        if (closed)
            pts.pop_back();
        s.polyline(d, m, pts, closed, v[0].startWidth);
        return;
    }
    for (size_t i = 0; i < segments; ++i) {
        std::vector<Vec3> pts = segmentPoints(v, i);
        if (v[i].startWidth == 0 && v[i].endWidth == 0)
            s.polyline(d, m, pts, false);
        else
            s.fill(d, m, band(pts, v[i].startWidth, v[i].endWidth));
    }
}

Matrix ocsToWorld(const Draw& d) {
    return d.place->toWorld * Matrix::ocs(extrusion(d.groups()));
}

std::vector<Vertex> lwVertices(const db::GroupList& g) {
    std::vector<Vertex> v;
    double elevation = realOr(g, 38, 0);
    auto constant = g.findReal(43);
    for (size_t i = 0; i < g.size(); ++i) {
        int code = g[i].code;
        if (code == 10) {
            Vertex vx;
            vx.p = pointAt(g, i);
            vx.p.z = elevation;
            vx.startWidth = vx.endWidth = constant.value_or(0);
            v.push_back(vx);
        } else if (v.empty()) {
            continue;
        } else if (code == 40) {
            v.back().startWidth = g.real(i);
        } else if (code == 41) {
            v.back().endWidth = g.real(i);
        } else if (code == 42) {
            v.back().bulge = g.real(i);
        }
    }
    return v;
}

// Polyline flags (70).
constexpr int kClosed = 1;
constexpr int k3dPolyline = 8;
constexpr int kMesh = 16;
constexpr int kMeshClosedN = 32;
constexpr int kPolyface = 64;
// Vertex flags (70).
constexpr int kSplineFrame = 16;
constexpr int kFaceRecordMask = 64 | 128;
constexpr int kFaceRecord = 128;

void drawPolyface(Scene& s, const Draw& d, const std::vector<db::EntityId>& subs) {
    const db::Database& db = s.db();
    std::vector<Vec3> positions;
    for (db::EntityId id : subs) {
        const db::GroupList& g = db.entity(id).groups;
        if (g.findText(0) != "VERTEX")
            continue;
        int flags = intOr(g, 70, 0);
        if ((flags & kFaceRecordMask) != kFaceRecord) {
            positions.push_back(pointOr(g, 10));
            continue;
        }
        std::vector<Vec3> face;
        for (int code = 71; code <= 74; ++code) {
            int index = std::abs(intOr(g, code, 0));
            if (index >= 1 && static_cast<size_t>(index) <= positions.size())
                face.push_back(positions[static_cast<size_t>(index) - 1]);
        }
        if (face.size() >= 2)
            s.polyline(d, d.place->toWorld, face, face.size() > 2);
    }
}

void drawMesh(Scene& s, const Draw& d, const std::vector<Vec3>& pts) {
    const auto& g = d.groups();
    int m = intOr(g, 71, 0), n = intOr(g, 72, 0);
    if (m < 1 || n < 1 || static_cast<size_t>(m) * static_cast<size_t>(n) > pts.size())
        return;
    int flags = intOr(g, 70, 0);
    auto at = [&](int i, int j) { return pts[static_cast<size_t>(i * n + j)]; };
    for (int i = 0; i < m; ++i) {
        std::vector<Vec3> row;
        for (int j = 0; j < n; ++j)
            row.push_back(at(i, j));
        s.polyline(d, d.place->toWorld, row, (flags & kMeshClosedN) != 0);
    }
    for (int j = 0; j < n; ++j) {
        std::vector<Vec3> column;
        for (int i = 0; i < m; ++i)
            column.push_back(at(i, j));
        s.polyline(d, d.place->toWorld, column, (flags & kClosed) != 0);
    }
}

} // namespace

void drawLwPolyline(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    drawVertices(s, d, ocsToWorld(d), lwVertices(g), (intOr(g, 70, 0) & kClosed) != 0);
}

void drawPolyline(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    int flags = intOr(g, 70, 0);
    std::vector<db::EntityId> subs = s.subEntities(d.id);
    if (flags & kPolyface) {
        drawPolyface(s, d, subs);
        return;
    }
    bool planar = (flags & (k3dPolyline | kMesh)) == 0;
    double elevation = pointOr(g, 10).z;
    double defaultStart = realOr(g, 40, 0), defaultEnd = realOr(g, 41, 0);
    std::vector<Vertex> v;
    for (db::EntityId id : subs) {
        const db::GroupList& vg = s.db().entity(id).groups;
        if (vg.findText(0) != "VERTEX" || (intOr(vg, 70, 0) & kSplineFrame))
            continue;
        Vertex vx;
        vx.p = pointOr(vg, 10);
        if (planar) {
            vx.p.z = elevation;
            vx.startWidth = realOr(vg, 40, defaultStart);
            vx.endWidth = realOr(vg, 41, defaultEnd);
            vx.bulge = realOr(vg, 42, 0);
        }
        v.push_back(vx);
    }
    if (flags & kMesh) {
        std::vector<Vec3> pts;
        for (const Vertex& vx : v)
            pts.push_back(vx.p);
        drawMesh(s, d, pts);
        return;
    }
    const Matrix m = planar ? ocsToWorld(d) : d.place->toWorld;
    drawVertices(s, d, m, v, (flags & kClosed) != 0);
}

} // namespace vma::geom
