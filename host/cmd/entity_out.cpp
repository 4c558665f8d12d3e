#include "host/cmd/entity_out.h"

#include "host/sysvar/access.h"

namespace vma::cmd {

void addPoint(db::GroupList& g, int code, const geom::Vec3& p) {
    addPoint2(g, code, p);
    g.addReal(code + 20, p.z);
}

void addPoint2(db::GroupList& g, int code, const geom::Vec3& p) {
    g.addReal(code, p.x);
    g.addReal(code + 10, p.y);
}

std::string currentLayerName(host::Session& session) {
    auto v = host::getSysvar(session, "CLAYER");
    return v.ok() && !v->text.empty() ? v->text : std::string("0");
}

db::EntityId addToModelSpace(db::Database& db, db::GroupList groups) {
    db::Entity e;
    e.block = db.modelSpace();
    e.groups = std::move(groups);
    return db.addEntity(std::move(e));
}

} // namespace vma::cmd
