// Symbol-table functions of the ADS interface on the current document's
// drawing. The BLOCK table is the drawing's block definitions without layouts.
#include "acdbads.h"
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/entmake.h"
#include "host/db/rblist.h"

#include <map>
#include <utility>

using namespace vma;
using namespace vma::host;

namespace {

// One of the symbol tables, or the BLOCK table (no kind).
struct Table {
    std::optional<db::TableKind> kind;

    size_t size(const db::Database& db) const {
        return kind ? db.table(*kind).records.size() : db.blocks().size();
    }
    bool listed(const db::Database& db, size_t i) const {
        if (kind)
            return !db.record(*kind, static_cast<uint32_t>(i)).erased;
        const db::Block& b = db.block(static_cast<uint32_t>(i));
        return !b.erased && !b.isLayout();
    }
    std::optional<size_t> find(const db::Database& db, std::string_view name) const {
        auto index = kind ? db.findRecord(*kind, name) : db.findBlock(name);
        if (!index || !listed(db, *index))
            return std::nullopt;
        return *index;
    }
    int id() const { return kind ? static_cast<int>(*kind) : -1; }
};

std::optional<Table> tableNamed(const ACHAR* name) {
    if (!name)
        return std::nullopt;
    std::string upper = upperName(wideToUtf8(name));
    if (upper == "BLOCK")
        return Table{};
    auto kind = db::tableKindFromName(upper);
    if (!kind)
        return std::nullopt;
    return Table{kind};
}

// Where acdbTblNext goes on, per drawing and table.
size_t& nextPosition(const db::Database& db, const Table& table) {
    static std::map<std::pair<int64_t, int>, size_t> positions;
    return positions[{db.serial(), table.id()}];
}

RbList recordEntry(const db::Database& db, db::TableKind kind, uint32_t index) {
    const db::GroupList& groups = db.record(kind, index).groups;
    RbList out;
    out.appendText(0, db::tableName(kind));
    appendGroups(out, db, db::tableName(kind), groups, 0, xdataStart(groups));
    return out;
}

RbList blockEntry(const db::Database& db, uint32_t index) {
    const db::Block& b = db.block(index);
    RbList out;
    out.appendText(0, "BLOCK");
    out.appendText(2, b.name);
    out.appendNew(70)->resval.rint = static_cast<short>(b.flags());
    resbuf* base = out.appendNew(10);
    for (int axis = 0; axis < 3; ++axis)
        base->resval.rpoint[axis] = b.header.findReal(10 + 10 * axis).value_or(0);
    for (db::EntityId id : b.entities) {
        if (db.entity(id).erased)
            continue;
        entityName(db, id, out.appendNew(-2)->resval.rlname);
        break;
    }
    return out;
}

resbuf* entry(const db::Database& db, const Table& table, size_t i) {
    auto index = static_cast<uint32_t>(i);
    return (table.kind ? recordEntry(db, *table.kind, index) : blockEntry(db, index)).release();
}

} // namespace

resbuf* acdbTblSearch(const ACHAR* table, const ACHAR* sym, int setNext) {
    auto t = tableNamed(table);
    if (!t || !sym) {
        Session::get().lastErrno() = t ? adserr::kBadTableArgument : adserr::kBadTableName;
        return nullptr;
    }
    const db::Database& db = *Session::get().current().db;
    auto found = t->find(db, wideToUtf8(sym));
    if (!found)
        return nullptr;
    if (setNext)
        nextPosition(db, *t) = *found + 1;
    return entry(db, *t, *found);
}

resbuf* acdbTblNext(const ACHAR* table, int rewind) {
    auto t = tableNamed(table);
    if (!t) {
        Session::get().lastErrno() = adserr::kBadTableName;
        return nullptr;
    }
    const db::Database& db = *Session::get().current().db;
    size_t& position = nextPosition(db, *t);
    if (rewind)
        position = 0;
    while (position < t->size(db) && !t->listed(db, position))
        ++position;
    if (position >= t->size(db))
        return nullptr;
    return entry(db, *t, position++);
}

int acdbTblObjName(const ACHAR* table, const ACHAR* sym, ads_name result) {
    auto t = tableNamed(table);
    if (!t || !sym) {
        Session::get().lastErrno() = t ? adserr::kBadTableArgument : adserr::kBadTableName;
        return RTERROR;
    }
    const db::Database& db = *Session::get().current().db;
    auto found = t->find(db, wideToUtf8(sym));
    if (!found)
        return RTERROR;
    auto index = static_cast<uint32_t>(*found);
    if (t->kind)
        recordName(db, *t->kind, index, result);
    else
        blockName(db, index, result);
    return RTNORM;
}

int acdbRegApp(const ACHAR* appname) {
    std::string name = appname ? wideToUtf8(appname) : std::string();
    if (!isValidSymbolName(name)) {
        Session::get().lastErrno() = adserr::kBadSymbolName;
        return RTERROR;
    }
    db::Database& db = *Session::get().current().db;
    if (db.findRecord(db::TableKind::AppId, name))
        return RTNORM;
    db::TableRecord app;
    app.groups.addText(2, name);
    app.groups.addInt(70, 0);
    db.addRecord(db::TableKind::AppId, std::move(app));
    return RTNORM;
}
