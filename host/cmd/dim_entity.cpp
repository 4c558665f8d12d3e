#include "host/cmd/dim_entity.h"

#include "host/cmd/entity_out.h"
#include "host/db/entmake.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

uint32_t addDimensionBlock(db::Database& db, const DimDrawing& drawing) {
    std::string name = db.nextAnonymousName("*D");
    db::GroupList header;
    header.addText(8, "0");
    header.addText(2, name);
    header.addInt(70, 1);
    addPoint(header, 10, {});
    header.addText(3, name);
    header.addText(1, "");
    db::Block b;
    b.name = name;
    b.header = std::move(header);
    uint32_t block = db.addBlock(std::move(b));
    for (const db::GroupList& groups : drawing.entities) {
        db::Entity e;
        e.block = block;
        e.groups = groups;
        db.addEntity(std::move(e));
    }
    return block;
}

bool isLinear(const db::Entity& e) {
    return !e.erased && e.parent == db::kNoEntity && e.type() == "DIMENSION" &&
           (e.groups.findInt(70).value_or(0) & 7) <= 1;
}

} // namespace

db::EntityId addDimension(host::Session& session, const DimDrawing& drawing,
                          const DimensionData& data) {
    db::Database& db = *session.current().db;
    host::ensureLayer(db, "DEFPOINTS");
    uint32_t block = addDimensionBlock(db, drawing);
    auto style = host::getSysvar(session, "DIMSTYLE");

    db::GroupList g;
    g.addText(0, "DIMENSION");
    g.addText(8, currentLayerName(session));
    g.addText(2, db.block(block).name);
    addPoint(g, 10, data.defpoint);
    addPoint(g, 11, drawing.textMiddle);
    g.addInt(70, data.type);
    g.addInt(71, 5);
    g.addInt(72, 1);
    g.addReal(41, 1.0);
    g.addReal(42, drawing.measurement);
    g.addText(1, data.typed);
    g.addText(3, style.ok() && !style->text.empty() ? style->text : "Standard");
    if (data.normal.x != 0 || data.normal.y != 0 || data.normal.z != 1)
        addPoint(g, 210, data.normal);
    addPoint(g, 13, data.first);
    addPoint(g, 14, data.second);
    if (data.angle)
        g.addReal(50, *data.angle * 180 / std::numbers::pi);
    return addToModelSpace(db, std::move(g));
}

std::optional<db::EntityId> lastLinearDimension(const db::Database& db) {
    const auto& ids = db.block(db.modelSpace()).entities;
    for (auto it = ids.rbegin(); it != ids.rend(); ++it)
        if (isLinear(db.entity(*it)))
            return *it;
    return std::nullopt;
}

} // namespace vma::cmd
