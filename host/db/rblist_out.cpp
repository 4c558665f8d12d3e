// Stored groups to result buffers: the lists acdbEntGet, acdbEntGetX and the
// table functions give out.
#include "adscodes.h"
#include "host/base/text.h"
#include "host/db/angles.h"
#include "host/db/rblist.h"
#include "host/db/subclass.h"
#include "host/db/wcmatch.h"

#include <cstdlib>
#include <string>

namespace vma::host {
namespace {

unsigned nibble(char digit) {
    auto c = static_cast<unsigned>(static_cast<unsigned char>(digit));
    return (c <= '9' ? c - '0' : (c | 0x20u) - 'a' + 10) & 15u;
}

// Binary chunks are kept as hexadecimal text.
char* hexToBytes(std::string_view hex, short& length) {
    length = static_cast<short>(hex.size() / 2);
    auto* bytes = static_cast<char*>(std::malloc(length > 0 ? length : 1));
    if (!bytes)
        return nullptr;
    for (short i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
    return bytes;
}

// Appends the point starting at groups[i]; returns the count of groups it took.
size_t appendPoint(RbList& out, const db::GroupList& groups, size_t i, size_t end) {
    int code = groups[i].code;
    resbuf* rb = out.appendNew(code);
    rb->resval.rpoint[X] = groups.real(i);
    size_t used = 1;
    for (int axis = 1; axis < 3; ++axis) {
        size_t j = i + used;
        if (j >= end || groups[j].code != code + 10 * axis)
            break;
        rb->resval.rpoint[axis] = groups.real(j);
        ++used;
    }
    return used;
}

// The value of a group as text, also for a number kept where text was expected.
std::string groupText(const db::GroupList& groups, size_t i) {
    const db::Group& g = groups[i];
    if (g.kind == db::GroupKind::Text)
        return std::string(groups.text(g));
    if (g.kind == db::GroupKind::Int)
        return std::to_string(g.integer());
    return std::to_string(g.real());
}

void appendReference(RbList& out, const db::Database& db, int code, std::string_view text) {
    auto handle = db::parseHandle(text);
    if (!handle)
        return;
    auto ref = objectByHandle(db, *handle);
    if (!ref)
        return;
    nameOf(*ref, out.appendNew(code)->resval.rlname);
}

void appendValue(RbList& out, std::string_view type, const db::GroupList& groups, size_t i) {
    int code = groups[i].code;
    RbKind kind = rbKind(code);
    resbuf* rb = out.appendNew(code);
    switch (kind) {
    case RbKind::Real:
        rb->resval.rreal =
            db::isAngleCode(type, code) ? db::degreesToRadians(groups.real(i)) : groups.real(i);
        return;
    case RbKind::Short:
        rb->resval.rint = static_cast<short>(groups.integer(i));
        return;
    case RbKind::Long:
        rb->resval.rlong = static_cast<int32_t>(groups.integer(i));
        return;
    case RbKind::Int64:
        rb->resval.mnInt64 = groups.integer(i);
        return;
    case RbKind::Binary:
        rb->resval.rbinary.buf = hexToBytes(groupText(groups, i), rb->resval.rbinary.clen);
        return;
    default:
        rb->resval.rstring = mallocWide(utf8ToWide(groupText(groups, i)));
        return;
    }
}

// Application names compare without regard to case, as all symbol names do.
bool appMatches(std::string_view app, const resbuf* apps) {
    for (const resbuf* p = apps; p; p = p->rbnext) {
        if (p->restype != RTSTR || !p->resval.rstring)
            continue;
        if (db::WcPattern(p->resval.rstring, db::WcCase::Insensitive).matches(app))
            return true;
    }
    return false;
}

// The stored groups with (67 . 1) before the layer for an entity of a paper-space layout.
db::GroupList withSpaceFlag(const db::Database& db, const db::Entity& e) {
    const db::Block& block = db.block(e.block);
    bool paper = e.block != db.modelSpace() && block.isLayout() && e.parent == db::kNoEntity;
    if (!paper || e.groups.find(67) >= 0)
        return e.groups;
    db::GroupList out;
    long layer = e.groups.find(8);
    size_t at = layer < 0 ? 1 : static_cast<size_t>(layer);
    for (size_t i = 0; i < e.groups.size(); ++i) {
        if (i == at)
            out.addInt(67, 1);
        out.addFrom(e.groups, i);
    }
    return out;
}

RbList entityList(const ObjectRef& ref, const resbuf* apps) {
    const db::Database& db = *ref.doc->db;
    const db::Entity& e = db.entity(ref.index);
    db::GroupList marked = db::withSubclassMarkers(withSpaceFlag(db, e));
    RbList out;
    ads_name name;
    entityName(db, ref.index, name);
    out.appendName(-1, name);
    out.appendText(0, e.type());
    if (e.parent != db::kNoEntity)
        entityName(db, e.parent, name);
    else
        blockName(db, e.block, name);
    out.appendName(330, name);
    out.appendText(5, db::handleText(e.handle));
    appendGroups(out, db, e.type(), marked, 1, xdataStart(marked));
    appendXdata(out, db, marked, apps);
    return out;
}

constexpr std::string_view kRecordMarkers[db::kTableCount] = {
    "AcDbViewportTableRecord",  "AcDbLinetypeTableRecord", "AcDbLayerTableRecord",
    "AcDbTextStyleTableRecord", "AcDbViewTableRecord",     "AcDbUCSTableRecord",
    "AcDbRegAppTableRecord",    "AcDbDimStyleTableRecord"};

RbList recordList(const ObjectRef& ref, const resbuf* apps) {
    const db::Database& db = *ref.doc->db;
    const db::TableRecord& r = db.record(ref.table, ref.index);
    RbList out;
    ads_name name;
    recordName(db, ref.table, ref.index, name);
    out.appendName(-1, name);
    out.appendText(0, db::tableName(ref.table));
    out.appendText(5, db::handleText(r.handle));
    out.appendText(100, "AcDbSymbolTableRecord");
    out.appendText(100, kRecordMarkers[static_cast<size_t>(ref.table)]);
    appendGroups(out, db, db::tableName(ref.table), r.groups, 0, xdataStart(r.groups));
    appendXdata(out, db, r.groups, apps);
    return out;
}

RbList blockList(const ObjectRef& ref) {
    const db::Database& db = *ref.doc->db;
    const db::Block& b = db.block(ref.index);
    RbList out;
    ads_name name;
    blockName(db, ref.index, name);
    out.appendName(-1, name);
    out.appendText(0, "BLOCK");
    out.appendText(5, db::handleText(b.beginHandle));
    appendGroups(out, db, "BLOCK", b.header, 0, xdataStart(b.header));
    for (db::EntityId id : b.entities) {
        if (db.entity(id).erased)
            continue;
        entityName(db, id, name);
        out.appendName(-2, name);
        break;
    }
    return out;
}

} // namespace

void appendGroups(RbList& out, const db::Database& db, std::string_view type,
                  const db::GroupList& groups, size_t begin, size_t end) {
    for (size_t i = begin; i < end;) {
        int code = groups[i].code;
        if (isPointCode(code)) {
            i += appendPoint(out, groups, i, end);
            continue;
        }
        if (isHandleRefCode(code))
            appendReference(out, db, code, groupText(groups, i));
        else
            appendValue(out, type, groups, i);
        ++i;
    }
}

void appendXdata(RbList& out, const db::Database& db, const db::GroupList& groups,
                 const resbuf* apps) {
    if (!apps)
        return;
    bool sentinel = false;
    for (size_t i = xdataStart(groups); i < groups.size();) {
        long next = groups.find(1001, i + 1);
        size_t end = next < 0 ? groups.size() : static_cast<size_t>(next);
        if (appMatches(groupText(groups, i), apps)) {
            if (!sentinel)
                out.appendNew(-3);
            sentinel = true;
            appendGroups(out, db, "", groups, i, end);
        }
        i = end;
    }
}

RbList objectList(const ObjectRef& ref, const resbuf* apps) {
    switch (ref.kind) {
    case ObjectRef::Kind::Entity:
        return entityList(ref, apps);
    case ObjectRef::Kind::Record:
        return recordList(ref, apps);
    case ObjectRef::Kind::Block:
        return blockList(ref);
    }
    return {};
}

} // namespace vma::host
