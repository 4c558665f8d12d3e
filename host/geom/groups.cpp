#include "host/geom/groups.h"

#include <numbers>

namespace vma::geom {

double realOr(const db::GroupList& g, int code, double fallback) {
    return g.findReal(code).value_or(fallback);
}

int intOr(const db::GroupList& g, int code, int fallback) {
    auto v = g.findInt(code);
    return v ? static_cast<int>(*v) : fallback;
}

std::string_view textOr(const db::GroupList& g, int code, std::string_view fallback) {
    return g.findText(code).value_or(fallback);
}

Vec3 pointAt(const db::GroupList& g, size_t i) {
    Vec3 p{g.real(i), 0, 0};
    int code = g[i].code;
    // Y and Z follow X directly in a well-formed list; look a few groups ahead.
    for (size_t j = i + 1; j < g.size() && j <= i + 3 && g[j].code != code; ++j) {
        if (g[j].code == code + 10)
            p.y = g.real(j);
        else if (g[j].code == code + 20)
            p.z = g.real(j);
    }
    return p;
}

Vec3 pointOr(const db::GroupList& g, int code, Vec3 fallback) {
    long i = g.find(code);
    if (i < 0)
        return fallback;
    return pointAt(g, static_cast<size_t>(i));
}

Vec3 extrusion(const db::GroupList& g) {
    return pointOr(g, 210, {0, 0, 1});
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace vma::geom
