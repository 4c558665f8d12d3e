#include "host/dxf/entity_placer.h"

#include "host/db/subclass.h"

namespace vma::dxf {
namespace {

constexpr int kPaperSpaceCode = 67;
constexpr int kEntitiesFollowCode = 66;

} // namespace

uint32_t EntityPlacer::blockOf(const db::GroupList& groups) const {
    if (block_)
        return *block_;
    return groups.findInt(kPaperSpaceCode).value_or(0) == 1 ? r_.db_->paperSpace()
                                                            : r_.db_->modelSpace();
}

bool EntityPlacer::accepts(Sub sub) const {
    if (main_ == db::kNoEntity)
        return false;
    if (sub == Sub::Seqend)
        return true;
    return (sub == Sub::Vertex) == mainIsPolyline_;
}

void EntityPlacer::addSub(const Identity& id) {
    db::Entity e;
    e.handle = id.handle;
    e.block = r_.db_->entity(main_).block;
    e.parent = main_;
    e.groups = db::GroupList(r_.scratch_, r_.arena_);
    r_.addEntity(std::move(e));
}

void EntityPlacer::closeMissingSeqend(long line) {
    if (main_ == db::kNoEntity || !open_) {
        main_ = db::kNoEntity;
        return;
    }
    const db::Entity& main = r_.db_->entity(main_);
    r_.warn(line, std::string(main.type()) + " without SEQEND; one is added");
    db::Entity seqend;
    seqend.block = main.block;
    seqend.parent = main_;
    seqend.groups.addText(0, "SEQEND");
    seqend.groups.addText(8, main.groups.findText(8).value_or("0"));
    r_.db_->addEntity(std::move(seqend));
    main_ = db::kNoEntity;
}

void EntityPlacer::add(const Token& start) {
    std::string_view type = trimmedValue(start);
    Sub sub = type == "VERTEX"   ? Sub::Vertex
              : type == "ATTRIB" ? Sub::Attrib
              : type == "SEQEND" ? Sub::Seqend
                                 : Sub::None;
    // A main entity closes one left open before its own groups are read, so
    // that the warnings come in the order of their lines (also when a second
    // reading thread began at this entity).
    if (sub == Sub::None)
        closeMissingSeqend(start.line);
    r_.scratch_.clear();
    r_.scratch_.addText(0, type);
    Identity id;
    id.dropsMarkers = db::knowsSubclasses(type);
    r_.readGroups(r_.scratch_, id);
    type = r_.scratch_.text(0);

    if (sub != Sub::None) {
        if (!accepts(sub)) {
            r_.warn(start.line, std::string(type) + " without its main entity skipped");
            return;
        }
        addSub(id);
        open_ = sub != Sub::Seqend;
        if (sub == Sub::Seqend)
            main_ = db::kNoEntity;
        return;
    }

    db::Entity e;
    e.handle = id.handle;
    e.block = blockOf(r_.scratch_);
    e.groups = db::GroupList(r_.scratch_, r_.arena_);
    db::EntityId added = r_.addEntity(std::move(e));
    if (type == "POLYLINE" || type == "INSERT") {
        main_ = added;
        mainIsPolyline_ = type == "POLYLINE";
        open_ = mainIsPolyline_ || r_.scratch_.findInt(kEntitiesFollowCode).value_or(0) == 1;
    }
}

void EntityPlacer::finish(long line) {
    closeMissingSeqend(line);
}

} // namespace vma::dxf
