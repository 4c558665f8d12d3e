#include "host/undo/revert.h"

#include "host/db/session.h"
#include "host/sysvar/access.h"

namespace vma::undo {

void revertChange(db::Database& db, const db::Change& change) {
    using Kind = db::Change::Kind;
    switch (change.kind) {
    case Kind::EntityAdded:
        db.dropEntity(change.target);
        return;
    case Kind::EntityModified:
        db.replaceEntity(change.target, change.before);
        return;
    case Kind::EntityErased:
        db.setErased(change.target, false);
        return;
    case Kind::EntityUnerased:
        db.setErased(change.target, true);
        return;
    case Kind::RecordAdded:
        db.dropRecord(change.table, change.target);
        return;
    case Kind::RecordModified:
        db.replaceRecord(change.table, change.target, change.before);
        return;
    case Kind::BlockAdded:
        db.dropBlock(change.target);
        return;
    case Kind::HeaderChanged:
        break;
    }
    if (change.before.empty())
        db.dropHeaderValue(change.name);
    else
        db.setHeaderValue(change.name, change.before);
}

void revertVariable(std::string_view name, const host::SysvarValue& before) {
    // The value was stored once, so it passes the checks again unless a check
    // looks at the drawing (a name since gone): the variable then keeps its value.
    (void)host::setSysvarInternal(host::Session::get(), name, before);
}

} // namespace vma::undo
