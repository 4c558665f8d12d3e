#include "geom/drawing.h"

#include <cmath>

namespace vma::test {

db::EntityId add(db::Database& db, const Groups& g, uint32_t block, db::EntityId parent) {
    db::Entity e;
    e.groups = g.list();
    e.block = block;
    e.parent = parent;
    return db.addEntity(std::move(e));
}

uint32_t addBlock(db::Database& db, std::string_view name, double bx, double by) {
    db::Block b;
    b.name = std::string(name);
    b.header.addText(8, "0");
    b.header.addText(2, name);
    b.header.addInt(70, 0);
    b.header.addReal(10, bx);
    b.header.addReal(20, by);
    b.header.addReal(30, 0);
    return db.addBlock(std::move(b));
}

void addLayer(db::Database& db, std::string_view name, int color, int flags) {
    db::TableRecord r;
    r.groups.addText(2, name);
    r.groups.addInt(70, flags);
    r.groups.addInt(62, color);
    r.groups.addText(6, "CONTINUOUS");
    db.addRecord(db::TableKind::Layer, std::move(r));
}

std::vector<geom::Primitive> draw(const db::Database& db) {
    return geom::explodeBlock(db, db.modelSpace());
}

double distance(const geom::Vec3& a, const geom::Vec3& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

} // namespace vma::test
