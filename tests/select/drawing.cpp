#include "drawing.h"

#include "acedads.h"

namespace vma::test {

Drawing::Drawing() {
    host::Session::get().reset();
    host::Session::get().setOutput([](std::wstring_view) {});
    doc_ = &host::Session::get().current();
}

db::Entity Drawing::entity(std::string_view type, std::string_view layer, uint32_t block) {
    db::Entity e;
    e.block = block;
    e.groups.addText(0, type);
    e.groups.addText(8, layer);
    return e;
}

db::EntityId Drawing::add(char label, db::Entity e) {
    db::EntityId id = db().addEntity(std::move(e));
    labels_[id] = label;
    ids_[label] = id;
    return id;
}

void Drawing::name(char label, ads_name out) {
    host::entityName(db(), ids_.at(label), out);
}

std::string Drawing::labels(const std::vector<db::EntityId>& ids) const {
    std::string out;
    for (db::EntityId id : ids) {
        auto it = labels_.find(id);
        out += it == labels_.end() ? '?' : it->second;
    }
    return out;
}

std::string Drawing::labels(const ads_name ss) {
    Int32 length = 0;
    if (acedSSLength(ss, &length) != RTNORM)
        return "<no set>";
    std::vector<db::EntityId> ids;
    for (Int32 i = 0; i < length; ++i) {
        ads_name e;
        if (acedSSName(ss, i, e) != RTNORM)
            return "<bad member>";
        auto ref = host::resolveEntity(e);
        ids.push_back(ref ? ref->index : db::kNoEntity);
    }
    return labels(ids);
}

void addPoint(db::GroupList& groups, int code, double x, double y, double z) {
    groups.addReal(code, x);
    groups.addReal(code + 10, y);
    groups.addReal(code + 20, z);
}

} // namespace vma::test
