#include "host/cmd/block_place.h"

#include "host/geom/groups.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

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
