#include "host/cmd/polyline_vertices.h"

#include "host/geom/groups.h"

namespace vma::cmd {
namespace {

std::vector<BulgeVertex> lightweight(const db::GroupList& g) {
    std::vector<BulgeVertex> out;
    double z = geom::realOr(g, 38, 0);
    for (size_t i = 0; i < g.size(); ++i) {
        if (g[i].code == 10) {
            out.push_back({geom::pointAt(g, i), 0});
            out.back().point.z = z;
        } else if (g[i].code == 42 && !out.empty()) {
            out.back().bulge = g.real(i);
        }
    }
    return out;
}

// The VERTEX entities follow their POLYLINE directly.
std::vector<BulgeVertex> oldStyle(const db::Database& db, db::EntityId id) {
    std::vector<BulgeVertex> out;
    for (db::EntityId v = id + 1; v < db.entityCount() && db.entity(v).parent == id; ++v) {
        const db::Entity& e = db.entity(v);
        if (e.type() == "VERTEX")
            out.push_back({geom::pointOr(e.groups, 10), geom::realOr(e.groups, 42, 0)});
    }
    return out;
}

} // namespace

std::vector<BulgeVertex> polylineVertices(const db::Database& db, db::EntityId id) {
    const db::Entity& e = db.entity(id);
    if (e.type() == "LWPOLYLINE")
        return lightweight(e.groups);
    if (e.type() == "POLYLINE")
        return oldStyle(db, id);
    return {};
}

} // namespace vma::cmd
