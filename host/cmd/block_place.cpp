#include "host/cmd/block_place.h"

#include "host/geom/groups.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// Group codes of sizes that scale with the reference, per entity type.
bool isSize(std::string_view type, int code) {
    if (type == "INSERT")
        return code == 41 || code == 42 || code == 43 || code == 44 || code == 45;
    if (type == "LWPOLYLINE" || type == "POLYLINE" || type == "VERTEX")
        return code == 40 || code == 41 || code == 43;
    if (type == "MTEXT")
        return code == 40 || code == 41 || code == 46;
    if (type == "ELLIPSE" || type == "HATCH")
        return false;
    return code == 40 || code == 39;
}

// Group codes of angles (degrees) that turn with the reference.
bool isAngle(std::string_view type, int code) {
    if (type == "ARC")
        return code == 50 || code == 51;
    return code == 50 && type != "ELLIPSE" && type != "HATCH";
}

// Point groups that hold a direction rather than a position.
bool isVector(std::string_view type, int code) {
    return (type == "MTEXT" && code == 11) || (type == "ELLIPSE" && code == 11) || code == 210;
}

bool isPointStart(const db::GroupList& g, size_t i) {
    int code = g[i].code;
    return code >= 10 && code <= 18 && i + 1 < g.size() && g[i + 1].code == code + 10;
}

void writePoint(db::GroupList& out, const db::GroupList& g, size_t& i, const geom::Vec3& p) {
    out.addReal(g[i].code, p.x);
    out.addReal(g[i + 1].code, p.y);
    bool hasZ = i + 2 < g.size() && g[i + 2].code == g[i].code + 20;
    if (hasZ)
        out.addReal(g[i + 2].code, p.z);
    i += hasZ ? 2 : 1;
}

// How the reference turns a direction given as an angle in degrees.
double turned(const geom::Matrix& m, double degrees) {
    double r = degrees / kDegrees;
    geom::Vec3 d = m.applyVector({std::cos(r), std::sin(r), 0});
    return std::atan2(d.y, d.x) * kDegrees;
}

double xLength(const geom::Matrix& m) {
    return geom::length(m.applyVector({1, 0, 0}));
}

double yLength(const geom::Matrix& m) {
    return geom::length(m.applyVector({0, 1, 0}));
}

} // namespace

geom::Matrix BlockPlacement::matrix() const {
    return geom::Matrix::translation({insertion[0], insertion[1], insertion[2]}) *
           geom::Matrix::rotationZ(rotation) * geom::Matrix::scaling(xScale, yScale, zScale) *
           geom::Matrix::translation({-base[0], -base[1], -base[2]});
}

db::GroupList placeEntity(const db::GroupList& g, const geom::Matrix& m) {
    std::string type(g.empty() ? std::string_view() : g.text(0));
    double scale = m.planarScale();
    db::GroupList out;
    for (size_t i = 0; i < g.size(); ++i) {
        int code = g[i].code;
        if (code >= 1000) {
            out.addFrom(g, i);
            continue;
        }
        if (isPointStart(g, i) && code != 210) {
            geom::Vec3 p = geom::pointAt(g, i);
            writePoint(out, g, i, isVector(type, code) ? m.applyVector(p) : m.apply(p));
            continue;
        }
        if (g[i].kind == db::GroupKind::Real && isSize(type, code)) {
            out.addReal(code, g.real(i) * scale);
            continue;
        }
        if (g[i].kind == db::GroupKind::Real && isAngle(type, code)) {
            out.addReal(code, turned(m, g.real(i)));
            continue;
        }
        out.addFrom(g, i);
    }
    return out;
}

db::GroupList attributeFrom(const db::GroupList& d, const geom::Matrix& m, std::string_view value,
                            std::string_view layer) {
    double rotation = geom::realOr(d, 50, 0) / kDegrees;
    geom::Vec3 along = m.applyVector({std::cos(rotation), std::sin(rotation), 0});
    double height = geom::realOr(d, 40, 1) * yLength(m);
    double width = geom::realOr(d, 41, 1) * xLength(m) / std::max(yLength(m), 1e-12);
    int generation = geom::intOr(d, 71, 0);
    if (m.determinantXY() < 0)
        generation ^= 2;
    int horizontal = geom::intOr(d, 72, 0), vertical = geom::intOr(d, 74, 0);
    db::GroupList a;
    a.addText(0, "ATTRIB");
    a.addText(8, layer);
    for (int code : {6, 62, 370})
        if (long at = d.find(code); at >= 0)
            a.addFrom(d, static_cast<size_t>(at));
    geom::Vec3 start = m.apply(geom::pointOr(d, 10));
    for (auto [code, v] : {std::pair{10, start.x}, {20, start.y}, {30, start.z}})
        a.addReal(code, v);
    a.addReal(40, height);
    a.addText(1, value);
    a.addText(2, geom::textOr(d, 2, ""));
    a.addInt(70, geom::intOr(d, 70, 0) & ~(2 | 8));
    if (long at = d.find(73); at >= 0)
        a.addFrom(d, static_cast<size_t>(at));
    a.addReal(50, std::atan2(along.y, along.x) * kDegrees);
    a.addReal(41, width);
    a.addReal(51, geom::realOr(d, 51, 0));
    a.addText(7, geom::textOr(d, 7, "Standard"));
    a.addInt(71, generation);
    a.addInt(72, horizontal);
    if (horizontal != 0 || vertical != 0) {
        geom::Vec3 at = m.apply(geom::pointOr(d, 11, geom::pointOr(d, 10)));
        for (auto [code, v] : {std::pair{11, at.x}, {21, at.y}, {31, at.z}})
            a.addReal(code, v);
    }
    a.addInt(74, vertical);
    return a;
}

} // namespace vma::cmd
