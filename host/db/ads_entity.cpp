// Entity functions of the ADS interface on the current document's drawing.
// Errors inside are values; here they become RT* codes and the ERRNO value.
#include "acdbads.h"
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/entmake.h"
#include "host/db/rblist.h"

using namespace vma;
using namespace vma::host;

namespace {

int fail(int status, int errnoValue) {
    Session::get().lastErrno() = errnoValue;
    return status;
}

bool isVisible(const db::Database& db, const db::Entity& e) {
    return !e.erased && (e.parent == db::kNoEntity || !db.entity(e.parent).erased);
}

bool inLayout(const db::Database& db, const db::Entity& e) {
    return db.block(e.block).isLayout();
}

// The next visible entity of the layouts (model and paper space) after id, in creation order.
std::optional<db::EntityId> nextInLayouts(const db::Database& db, size_t from) {
    for (size_t id = from; id < db.entityCount(); ++id) {
        const db::Entity& e = db.entity(static_cast<db::EntityId>(id));
        if (isVisible(db, e) && inLayout(db, e))
            return static_cast<db::EntityId>(id);
    }
    return std::nullopt;
}

// The next visible entity of the same block definition; none past its end.
std::optional<db::EntityId> nextInBlock(const db::Database& db, db::EntityId id) {
    const auto& list = db.block(db.entity(id).block).entities;
    bool found = false;
    for (db::EntityId other : list) {
        if (found && isVisible(db, db.entity(other)))
            return other;
        found = found || other == id;
    }
    return std::nullopt;
}

int make(const resbuf* list, ads_name result) {
    Document& doc = Session::get().current();
    auto made = makeFromList(doc, list);
    if (!made.ok())
        return fail(RTREJ, made.error().code);
    if (made->kind == MadeObject::Kind::Pending)
        return RTNORM;
    nameOf(made->ref, result);
    return made->kind == MadeObject::Kind::Block ? RTKWORD : RTNORM;
}

} // namespace

resbuf* acdbEntGet(const ads_name ename) {
    return acdbEntGetX(ename, nullptr);
}

resbuf* acdbEntGetX(const ads_name ename, const resbuf* apps) {
    auto ref = resolveName(ename);
    if (!ref) {
        fail(RTERROR, adserr::kBadName);
        return nullptr;
    }
    if (ref->kind == ObjectRef::Kind::Entity && ref->doc->db->entity(ref->index).erased) {
        fail(RTERROR, adserr::kDeletedEntity);
        return nullptr;
    }
    return objectList(*ref, apps).release();
}

int acdbEntMake(const resbuf* list) {
    ads_name ignored;
    return make(list, ignored);
}

int acdbEntMakeX(const resbuf* list, ads_name result) {
    ads_name_clear(result);
    return make(list, result);
}

int acdbEntMod(const resbuf* list) {
    auto changed = modifyFromList(Session::get().current(), list);
    return changed.ok() ? RTNORM : fail(RTERROR, changed.error().code);
}

int acdbEntUpd(const ads_name ename) {
    return resolveEntity(ename) ? RTNORM : fail(RTERROR, adserr::kBadName);
}

int acdbEntDel(const ads_name ename) {
    auto ref = resolveEntity(ename);
    if (!ref)
        return fail(RTERROR, adserr::kBadName);
    db::Database& db = *ref->doc->db;
    const db::Entity& e = db.entity(ref->index);
    if (e.parent != db::kNoEntity)
        return fail(RTERROR, adserr::kBadName);
    db.setErased(ref->index, !e.erased);
    return RTNORM;
}

int acdbEntNext(const ads_name ename, ads_name result) {
    std::optional<db::EntityId> next;
    const db::Database* db = nullptr;
    if (ename == nullptr || ads_name_nil(ename)) {
        db = Session::get().current().db.get();
        next = nextInLayouts(*db, 0);
    } else {
        auto ref = resolveEntity(ename);
        if (!ref)
            return fail(RTERROR, adserr::kBadName);
        db = ref->doc->db.get();
        next = inLayout(*db, db->entity(ref->index)) ? nextInLayouts(*db, size_t(ref->index) + 1)
                                                     : nextInBlock(*db, ref->index);
    }
    if (!next)
        return RTERROR;
    entityName(*db, *next, result);
    return RTNORM;
}

int acdbEntLast(ads_name result) {
    const db::Database& db = *Session::get().current().db;
    for (size_t id = db.entityCount(); id-- > 0;) {
        const db::Entity& e = db.entity(static_cast<db::EntityId>(id));
        if (e.parent == db::kNoEntity && !e.erased && inLayout(db, e)) {
            entityName(db, static_cast<db::EntityId>(id), result);
            return RTNORM;
        }
    }
    return fail(RTERROR, adserr::kNoLastEntity);
}

int acdbHandEnt(const ACHAR* handle, ads_name result) {
    if (!handle)
        return fail(RTERROR, adserr::kBadHandle);
    const db::Database& db = *Session::get().current().db;
    auto h = db::parseHandle(wideToUtf8(handle));
    auto ref = h ? objectByHandle(db, *h) : std::nullopt;
    if (!ref)
        return fail(RTERROR, adserr::kBadHandle);
    if (ref->kind == ObjectRef::Kind::Entity && db.entity(ref->index).erased)
        return fail(RTERROR, adserr::kDeletedEntity);
    nameOf(*ref, result);
    return RTNORM;
}
