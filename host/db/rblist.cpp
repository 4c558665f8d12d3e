#include "host/db/rblist.h"

#include "acutads.h"
#include "host/base/text.h"

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

void RbList::appendText(int code, std::string_view utf8) {
    appendNew(code)->resval.rstring = mallocWide(utf8ToWide(utf8));
}

void RbList::appendName(int code, const ads_name name) {
    resbuf* rb = appendNew(code);
    ads_name_set(name, rb->resval.rlname);
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

size_t xdataStart(const db::GroupList& groups) {
    long at = groups.find(1001);
    return at < 0 ? groups.size() : static_cast<size_t>(at);
}

} // namespace vma::host
