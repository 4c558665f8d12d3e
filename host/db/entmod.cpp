// acdbEntMod's side of the database: a changed list replaces the stored one
// after the checks of acdbEntMake, keeping what the list cannot change.
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/entmake.h"

#include <vector>

namespace vma::host {
namespace {

Error refused(int code, std::string why) {
    return Error::coded(code, std::move(why));
}

// The application groups ({ ... }) of a stored list.
void copyAppGroups(const db::GroupList& from, db::GroupList& to) {
    bool inside = false;
    for (size_t i = 0; i < xdataStart(from); ++i) {
        bool brace = from[i].code == 102;
        if (brace)
            inside = !from.text(i).empty() && from.text(i)[0] == '{';
        if (brace || inside)
            to.addFrom(from, i);
    }
}

struct XdataBlock {
    std::string app;
    size_t begin = 0;
    size_t end = 0;
};

std::vector<XdataBlock> xdataBlocks(const db::GroupList& groups) {
    std::vector<XdataBlock> blocks;
    for (size_t i = xdataStart(groups); i < groups.size(); ++i) {
        if (groups[i].code == 1001)
            blocks.push_back({std::string(groups.text(i)), i, i});
        if (!blocks.empty())
            blocks.back().end = i + 1;
    }
    return blocks;
}

const XdataBlock* findApp(const std::vector<XdataBlock>& blocks, std::string_view app) {
    for (const XdataBlock& b : blocks)
        if (equalsNoCase(b.app, app))
            return &b;
    return nullptr;
}

void copyRange(const db::GroupList& from, size_t begin, size_t end, db::GroupList& to) {
    for (size_t i = begin; i < end; ++i)
        to.addFrom(from, i);
}

// Extended data in stored order, replaced where the changed list gives an
// application (dropped when it gives it without data), then new applications.
void mergeXdata(const db::GroupList& stored, const db::GroupList& changed, db::GroupList& out) {
    auto kept = xdataBlocks(stored);
    auto given = xdataBlocks(changed);
    for (const XdataBlock& b : kept) {
        const XdataBlock* replacement = findApp(given, b.app);
        if (!replacement)
            copyRange(stored, b.begin, b.end, out);
        else if (replacement->end - replacement->begin > 1)
            copyRange(changed, replacement->begin, replacement->end, out);
    }
    for (const XdataBlock& b : given)
        if (!findApp(kept, b.app) && b.end - b.begin > 1)
            copyRange(changed, b.begin, b.end, out);
}

// The changed groups (head of them first) with the stored application groups
// after the head and the extended data merged.
db::GroupList mergeKept(const db::GroupList& stored, const db::GroupList& changed, size_t head) {
    db::GroupList out;
    copyRange(changed, 0, head, out);
    copyAppGroups(stored, out);
    copyRange(changed, head, xdataStart(changed), out);
    mergeXdata(stored, changed, out);
    return out;
}

ErrorOr<void> checkIdentity(db::GroupList& groups, std::string_view type, db::Handle handle) {
    if (groups.empty() || groups[0].code != 0)
        groups.insertText(0, 0, type);
    if (!equalsNoCase(groups.text(0), type))
        return refused(adserr::kTypeChange, "the type of an object cannot change");
    auto given = groups.findText(5);
    if (given && db::parseHandle(*given) != handle)
        return refused(adserr::kHandleChange, "the handle of an object cannot change");
    return {};
}

ErrorOr<void> modifyEntity(db::Database& db, db::EntityId id, db::GroupList groups) {
    const db::Entity& e = db.entity(id);
    if (e.erased)
        return refused(adserr::kModifyDeleted, "the entity is erased");
    if (e.type() == "SEQEND")
        return refused(adserr::kModifySeqend, "a SEQEND cannot be changed");
    VMA_TRY(checkIdentity(groups, e.type(), e.handle));
    VMA_TRY_ASSIGN(PreparedEntity changed, prepareEntity(db, std::move(groups)));
    db::GroupList merged = mergeKept(e.groups, changed.groups, 1);
    if (!changed.layerToCreate.empty())
        ensureLayer(db, changed.layerToCreate);
    db.replaceEntity(id, std::move(merged));
    return {};
}

ErrorOr<void> modifyRecord(db::Database& db, db::TableKind kind, uint32_t index,
                           db::GroupList groups) {
    const db::TableRecord& r = db.record(kind, index);
    if (r.erased)
        return refused(adserr::kModifyDeleted, "the table entry is erased");
    VMA_TRY(checkIdentity(groups, db::tableName(kind), r.handle));
    VMA_TRY_ASSIGN(db::GroupList body, prepareRecord(db, kind, std::move(groups)));
    auto owner = db.findRecord(kind, *body.findText(2));
    if (owner && *owner != index)
        return refused(adserr::kBadSymbolName, "the table has that name already");
    db.replaceRecord(kind, index, mergeKept(r.groups, body, 0));
    return {};
}

} // namespace

ErrorOr<void> modifyFromList(Document& doc, const resbuf* list) {
    VMA_TRY_ASSIGN(IncomingList in, readList(list, *doc.db));
    if (!in.named)
        return refused(adserr::kBadName, "the list names no object of this drawing");
    const ObjectRef& ref = *in.named;
    switch (ref.kind) {
    case ObjectRef::Kind::Entity:
        return modifyEntity(*doc.db, ref.index, std::move(in.groups));
    case ObjectRef::Kind::Record:
        return modifyRecord(*doc.db, ref.table, ref.index, std::move(in.groups));
    case ObjectRef::Kind::Block:
        break;
    }
    return refused(adserr::kBlockMisuse, "a block definition is changed through its entities");
}

} // namespace vma::host
