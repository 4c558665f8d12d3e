// Result buffers to stored groups: the lists acdbEntMake and acdbEntMod take in.
#include "adscodes.h"
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/angles.h"
#include "host/db/rblist.h"

#include <string>

namespace vma::host {
namespace {

std::string bytesToHex(const ads_binary& b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (short i = 0; i < b.clen; ++i) {
        auto byte = static_cast<unsigned char>(b.buf[i]);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

Error refused(int code, std::string why) {
    return Error::coded(code, std::move(why));
}

ErrorOr<std::string> referencedHandle(const resbuf* rb, const db::Database& db) {
    auto ref = resolveName(rb->resval.rlname);
    if (!ref || ref->doc->db.get() != &db)
        return refused(adserr::kBadName, "a group names no object of this drawing");
    return db::handleText(handleOf(*ref));
}

// Adds one incoming buffer to the groups; type is the entity type read so far.
ErrorOr<void> readValue(const resbuf* rb, const db::Database& db, std::string_view type,
                        db::GroupList& groups) {
    int code = rb->restype == RTDXF0 ? 0 : rb->restype;
    switch (rbKind(code)) {
    case RbKind::Point: {
        groups.addReal(code, rb->resval.rpoint[X]);
        groups.addReal(code + 10, rb->resval.rpoint[Y]);
        // Lightweight polyline vertices are 2D: their elevation is group 38.
        if (!(code == 10 && equalsNoCase(type, "LWPOLYLINE")))
            groups.addReal(code + 20, rb->resval.rpoint[Z]);
        return {};
    }
    case RbKind::Real:
        groups.addReal(code, db::isAngleCode(type, code) ? db::radiansToDegrees(rb->resval.rreal)
                                                         : rb->resval.rreal);
        return {};
    case RbKind::Short:
        groups.addInt(code, rb->resval.rint);
        return {};
    case RbKind::Long:
        groups.addInt(code, rb->resval.rlong);
        return {};
    case RbKind::Int64:
        groups.addInt(code, rb->resval.mnInt64);
        return {};
    case RbKind::Text:
        if (!rb->resval.rstring)
            return refused(adserr::kBadField, "a text group without its text");
        groups.addText(code, wideToUtf8(rb->resval.rstring));
        return {};
    case RbKind::Binary:
        if (rb->resval.rbinary.clen < 0 || (rb->resval.rbinary.clen > 0 && !rb->resval.rbinary.buf))
            return refused(adserr::kBadField, "a binary group without its bytes");
        groups.addText(code, bytesToHex(rb->resval.rbinary));
        return {};
    case RbKind::Name: {
        VMA_TRY_ASSIGN(std::string handle, referencedHandle(rb, db));
        groups.addText(code, handle);
        return {};
    }
    default:
        return refused(adserr::kBadField, "group code " + std::to_string(code) + " is not known");
    }
}

std::string objectType(const ObjectRef& ref) {
    const db::Database& db = *ref.doc->db;
    switch (ref.kind) {
    case ObjectRef::Kind::Entity:
        return std::string(db.entity(ref.index).type());
    case ObjectRef::Kind::Record:
        return std::string(db::tableName(ref.table));
    case ObjectRef::Kind::Block:
        break;
    }
    return "BLOCK";
}

} // namespace

ErrorOr<IncomingList> readList(const resbuf* list, const db::Database& db) {
    IncomingList in;
    std::string type;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -1) {
            auto ref = resolveName(rb->resval.rlname);
            if (ref && ref->doc->db.get() == &db)
                in.named = ref;
            if (in.named && type.empty())
                type = objectType(*in.named);
            continue;
        }
        // -3 only announces the extended data; -2 (a SEQEND's main entity, a
        // block's first entity) is the database's to set.
        if (rb->restype == -3 || rb->restype == -2)
            continue;
        VMA_TRY(readValue(rb, db, type, in.groups));
        if (in.groups[in.groups.size() - 1].code == 0)
            type = std::string(in.groups.text(in.groups.size() - 1));
    }
    return in;
}

} // namespace vma::host
