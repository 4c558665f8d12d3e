#include "host/cmd/transform.h"

#include <string>
#include <vector>

namespace vma::cmd {
namespace {

using geom::Matrix;
using geom::Vec3;

// Sub-entities follow their main entity in creation order.
std::vector<db::EntityId> subEntities(const db::Database& db, db::EntityId id) {
    std::vector<db::EntityId> subs;
    for (db::EntityId k = id + 1; k < db.entityCount() && db.entity(k).parent == id; ++k)
        subs.push_back(k);
    return subs;
}

Vec3 extrusionOf(const db::GroupList& g) {
    return {g.findReal(210).value_or(0), g.findReal(220).value_or(0), g.findReal(230).value_or(1)};
}

int polylineFlags(const db::GroupList& g) {
    return !g.empty() && g.text(0) == "POLYLINE" ? static_cast<int>(g.findInt(70).value_or(0)) : 0;
}

// The anonymous block a dimension draws itself with; nullopt for other entities.
std::optional<uint32_t> dimensionBlock(const db::Database& db, const db::GroupList& g) {
    if (g.empty() || g.text(0) != "DIMENSION")
        return std::nullopt;
    auto name = g.findText(2);
    if (!name || !name->starts_with("*"))
        return std::nullopt;
    return db.findBlock(*name);
}

std::vector<db::EntityId> mainEntities(const db::Database& db, uint32_t block) {
    std::vector<db::EntityId> ids;
    for (db::EntityId id : db.block(block).entities)
        if (db.entity(id).parent == db::kNoEntity)
            ids.push_back(id);
    return ids;
}

db::EntityId copyInto(db::Database& db, db::EntityId id, const Matrix& m, uint32_t block);

// A new anonymous block with the transformed content of another; its name.
std::string copyBlock(db::Database& db, uint32_t source, const Matrix& m) {
    db::Block block;
    block.name = db.nextAnonymousName("*D");
    block.header = db.block(source).header;
    block.header.setText(2, block.name);
    if (block.header.find(3) >= 0)
        block.header.setText(3, block.name);
    std::string name = block.name;
    uint32_t target = db.addBlock(std::move(block));
    for (db::EntityId id : mainEntities(db, source))
        copyInto(db, id, m, target);
    return name;
}

db::EntityId copyInto(db::Database& db, db::EntityId id, const Matrix& m, uint32_t block) {
    const db::GroupList original = db.entity(id).groups;
    Vec3 extrusion = extrusionOf(original);
    int flags = polylineFlags(original);
    db::Entity copy;
    copy.block = block;
    copy.groups = transformGroups(original, m, {0, 0, 1}, 0);
    if (auto own = dimensionBlock(db, original))
        copy.groups.setText(2, copyBlock(db, *own, m));
    std::vector<db::EntityId> subs = subEntities(db, id);
    db::EntityId made = db.addEntity(std::move(copy));
    for (db::EntityId sub : subs) {
        db::Entity part;
        part.block = block;
        part.parent = made;
        part.groups = transformGroups(db.entity(sub).groups, m, extrusion, flags);
        db.addEntity(std::move(part));
    }
    return made;
}

} // namespace

void transformEntity(db::Database& db, db::EntityId id, const Matrix& m) {
    const db::GroupList& groups = db.entity(id).groups;
    Vec3 extrusion = extrusionOf(groups);
    int flags = polylineFlags(groups);
    std::optional<uint32_t> own = dimensionBlock(db, groups);
    db.replaceEntity(id, transformGroups(groups, m, {0, 0, 1}, 0));
    for (db::EntityId sub : subEntities(db, id))
        db.replaceEntity(sub, transformGroups(db.entity(sub).groups, m, extrusion, flags));
    if (own)
        for (db::EntityId content : mainEntities(db, *own))
            transformEntity(db, content, m);
}

db::EntityId copyEntity(db::Database& db, db::EntityId id, const Matrix& m) {
    return copyInto(db, id, m, db.entity(id).block);
}

db::EntityId copyEntityInto(db::Database& db, db::EntityId id, const Matrix& m, uint32_t block) {
    return copyInto(db, id, m, block);
}

} // namespace vma::cmd
