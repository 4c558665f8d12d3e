#include "host/db/rblist.h"

#include "acutads.h"
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/subclass.h"
#include "host/db/wcmatch.h"

#include <cstdlib>
#include <cstring>

namespace vma::host {
namespace {

bool in(int code, int lo, int hi) {
    return code >= lo && code <= hi;
}

RbKind groupCodeKind(int code) {
    if (code == -1 || code == -2 || code == -5)
        return RbKind::Name;
    if (code == -3)
        return RbKind::None;
    if (code == -4 || in(code, 0, 9) || in(code, 100, 109) || in(code, 300, 309))
        return RbKind::Text;
    if (isPointCode(code))
        return RbKind::Point;
    if (in(code, 19, 59) || in(code, 113, 149) || in(code, 211, 239) || in(code, 460, 469) ||
        in(code, 1014, 1059))
        return RbKind::Real;
    if (in(code, 60, 89) || in(code, 170, 179) || in(code, 270, 299) || in(code, 370, 389) ||
        in(code, 400, 409) || in(code, 1060, 1070))
        return RbKind::Short;
    if (in(code, 90, 99) || in(code, 420, 429) || in(code, 440, 459) || code == 1071)
        return RbKind::Long;
    if (in(code, 160, 169))
        return RbKind::Int64;
    if (in(code, 310, 319) || code == 1004)
        return RbKind::Binary;
    if (isHandleRefCode(code))
        return RbKind::Name;
    if (in(code, 0, 1071))
        return RbKind::Text;
    return RbKind::Unknown;
}

// Binary chunks are kept as hexadecimal text.
char* hexToBytes(std::string_view hex, short& length) {
    length = static_cast<short>(hex.size() / 2);
    auto* bytes = static_cast<char*>(std::malloc(length > 0 ? length : 1));
    if (!bytes)
        return nullptr;
    for (short i = 0; i < length; ++i)
        bytes[i] =
            static_cast<char>(std::strtol(std::string(hex.substr(i * 2, 2)).c_str(), nullptr, 16));
    return bytes;
}

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
        return std::to_string(g.value.integer);
    return std::to_string(g.value.real);
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

void appendValue(RbList& out, const db::GroupList& groups, size_t i) {
    int code = groups[i].code;
    RbKind kind = rbKind(code);
    resbuf* rb = out.appendNew(code);
    switch (kind) {
    case RbKind::Real:
        rb->resval.rreal = groups.real(i);
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

void appendText(RbList& out, int code, std::string_view text) {
    out.appendNew(code)->resval.rstring = mallocWide(utf8ToWide(text));
}

void appendName(RbList& out, int code, const ads_name name) {
    resbuf* rb = out.appendNew(code);
    ads_name_set(name, rb->resval.rlname);
}

RbList entityList(const ObjectRef& ref, const resbuf* apps) {
    const db::Database& db = *ref.doc->db;
    const db::Entity& e = db.entity(ref.index);
    db::GroupList marked = db::withSubclassMarkers(withSpaceFlag(db, e));
    RbList out;
    ads_name name;
    entityName(db, ref.index, name);
    appendName(out, -1, name);
    appendText(out, 0, e.type());
    if (e.parent != db::kNoEntity)
        entityName(db, e.parent, name);
    else
        blockName(db, e.block, name);
    appendName(out, 330, name);
    appendText(out, 5, db::handleText(e.handle));
    appendGroups(out, db, marked, 1, xdataStart(marked));
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
    appendName(out, -1, name);
    appendText(out, 0, db::tableName(ref.table));
    appendText(out, 5, db::handleText(r.handle));
    appendText(out, 100, "AcDbSymbolTableRecord");
    appendText(out, 100, kRecordMarkers[static_cast<size_t>(ref.table)]);
    appendGroups(out, db, r.groups, 0, xdataStart(r.groups));
    appendXdata(out, db, r.groups, apps);
    return out;
}

RbList blockList(const ObjectRef& ref) {
    const db::Database& db = *ref.doc->db;
    const db::Block& b = db.block(ref.index);
    RbList out;
    ads_name name;
    blockName(db, ref.index, name);
    appendName(out, -1, name);
    appendText(out, 0, "BLOCK");
    appendText(out, 5, db::handleText(b.beginHandle));
    appendGroups(out, db, b.header, 0, xdataStart(b.header));
    for (db::EntityId id : b.entities) {
        if (db.entity(id).erased)
            continue;
        entityName(db, id, name);
        appendName(out, -2, name);
        break;
    }
    return out;
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
        groups.addReal(code, rb->resval.rreal);
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

} // namespace

RbKind rbKind(int restype) {
    switch (restype) {
    case RTNONE:
    case RTVOID:
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
        return RbKind::None;
    case RTREAL:
    case RTANG:
    case RTORINT:
        return RbKind::Real;
    case RTPOINT:
    case RT3DPOINT:
        return RbKind::Point;
    case RTSHORT:
        return RbKind::Short;
    case RTLONG:
        return RbKind::Long;
    case RTSTR:
    case RTDXF0:
        return RbKind::Text;
    case RTENAME:
    case RTPICKS:
        return RbKind::Name;
    case RTLONG_PTR:
    case RTINT64:
        return RbKind::Int64;
    default:
        return groupCodeKind(restype);
    }
}

bool isPointCode(int code) {
    return in(code, 10, 18) || in(code, 110, 112) || code == 210 || in(code, 1010, 1013);
}

bool isHandleRefCode(int code) {
    return in(code, 320, 369) || in(code, 390, 399) || code == 480;
}

RbList::RbList(resbuf* head) : head_(head), tail_(head) {
    while (tail_ && tail_->rbnext)
        tail_ = tail_->rbnext;
}

RbList::~RbList() {
    acutRelRb(head_);
}

RbList::RbList(RbList&& other) noexcept : head_(other.head_), tail_(other.tail_) {
    other.head_ = other.tail_ = nullptr;
}

RbList& RbList::operator=(RbList&& other) noexcept {
    if (this == &other)
        return *this;
    acutRelRb(head_);
    head_ = other.head_;
    tail_ = other.tail_;
    other.head_ = other.tail_ = nullptr;
    return *this;
}

resbuf* RbList::release() {
    resbuf* head = head_;
    head_ = tail_ = nullptr;
    return head;
}

void RbList::append(resbuf* rb) {
    if (!rb)
        return;
    if (tail_)
        tail_->rbnext = rb;
    else
        head_ = rb;
    tail_ = rb;
    while (tail_->rbnext)
        tail_ = tail_->rbnext;
}

resbuf* RbList::appendNew(int restype) {
    resbuf* rb = acutNewRb(restype);
    append(rb);
    return rb;
}

std::optional<ObjectRef> objectByHandle(const db::Database& db, db::Handle h) {
    Document* doc = Session::get().findBySerial(db.serial());
    if (!doc || h == 0)
        return std::nullopt;
    if (auto id = db.findHandle(h))
        return ObjectRef{doc, ObjectRef::Kind::Entity, *id};
    for (uint32_t i = 0; i < db.blocks().size(); ++i)
        if (db.block(i).recordHandle == h || db.block(i).beginHandle == h)
            return ObjectRef{doc, ObjectRef::Kind::Block, i};
    for (size_t t = 0; t < db::kTableCount; ++t) {
        auto kind = static_cast<db::TableKind>(t);
        const auto& records = db.table(kind).records;
        for (uint32_t i = 0; i < records.size(); ++i)
            if (records[i].handle == h)
                return ObjectRef{doc, ObjectRef::Kind::Record, i, kind};
    }
    return std::nullopt;
}

void nameOf(const ObjectRef& ref, ads_name out) {
    const db::Database& db = *ref.doc->db;
    switch (ref.kind) {
    case ObjectRef::Kind::Entity:
        entityName(db, ref.index, out);
        return;
    case ObjectRef::Kind::Record:
        recordName(db, ref.table, ref.index, out);
        return;
    case ObjectRef::Kind::Block:
        blockName(db, ref.index, out);
        return;
    }
}

db::Handle handleOf(const ObjectRef& ref) {
    const db::Database& db = *ref.doc->db;
    switch (ref.kind) {
    case ObjectRef::Kind::Entity:
        return db.entity(ref.index).handle;
    case ObjectRef::Kind::Record:
        return db.record(ref.table, ref.index).handle;
    case ObjectRef::Kind::Block:
        return db.block(ref.index).recordHandle;
    }
    return 0;
}

void appendGroups(RbList& out, const db::Database& db, const db::GroupList& groups, size_t begin,
                  size_t end) {
    for (size_t i = begin; i < end;) {
        int code = groups[i].code;
        if (isPointCode(code)) {
            i += appendPoint(out, groups, i, end);
            continue;
        }
        if (isHandleRefCode(code))
            appendReference(out, db, code, groupText(groups, i));
        else
            appendValue(out, groups, i);
        ++i;
    }
}

size_t xdataStart(const db::GroupList& groups) {
    long at = groups.find(1001);
    return at < 0 ? groups.size() : static_cast<size_t>(at);
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
            appendGroups(out, db, groups, i, end);
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

ErrorOr<IncomingList> readList(const resbuf* list, const db::Database& db) {
    IncomingList in;
    std::string type;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -1) {
            in.namedSomething = true;
            auto ref = resolveName(rb->resval.rlname);
            if (ref && ref->doc->db.get() == &db)
                in.named = ref;
            continue;
        }
        if (rb->restype == -3) {
            in.hasXdata = true;
            continue;
        }
        // The main entity of a SEQEND is the database's to set.
        if (rb->restype == -2)
            continue;
        VMA_TRY(readValue(rb, db, type, in.groups));
        if (in.groups[in.groups.size() - 1].code == 0 && type.empty())
            type = std::string(in.groups.text(in.groups.size() - 1));
    }
    return in;
}

} // namespace vma::host
