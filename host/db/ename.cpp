#include "host/db/ename.h"

namespace vma::host {
namespace {

// The top bits of the first number tell what kind of object a name refers to.
constexpr int64_t kRecordTag = int64_t(1) << 48;
constexpr int64_t kBlockTag = int64_t(2) << 48;
constexpr int64_t kTagMask = int64_t(0xFF) << 48;
constexpr int64_t kIndexMask = 0xFFFFFFFF;

} // namespace

void entityName(const db::Database& db, db::EntityId id, ads_name out) {
    out[0] = int64_t(id) + 1;
    out[1] = db.serial();
}

void recordName(const db::Database& db, db::TableKind table, uint32_t index, ads_name out) {
    out[0] = kRecordTag | (int64_t(table) << 32) | (int64_t(index) + 1);
    out[1] = db.serial();
}

void blockName(const db::Database& db, uint32_t block, ads_name out) {
    out[0] = kBlockTag | (int64_t(block) + 1);
    out[1] = db.serial();
}

std::optional<ObjectRef> resolveName(const ads_name name) {
    if (name == nullptr || name[0] <= 0)
        return std::nullopt;
    Document* doc = Session::get().findBySerial(name[1]);
    if (doc == nullptr)
        return std::nullopt;
    int64_t tag = name[0] & kTagMask;
    int64_t low = name[0] & kIndexMask;
    if (low == 0)
        return std::nullopt;
    auto index = static_cast<uint32_t>(low - 1);
    const db::Database& db = *doc->db;
    if (tag == 0 && (name[0] >> 32) == 0 && index < db.entityCount()) {
        // An entity whose making was undone has no groups left: its name is stale.
        if (db.entity(index).groups.empty())
            return std::nullopt;
        return ObjectRef{doc, ObjectRef::Kind::Entity, index};
    }
    if (tag == kBlockTag && (name[0] & ~(kTagMask | kIndexMask)) == 0 && index < db.blocks().size())
        return ObjectRef{doc, ObjectRef::Kind::Block, index};
    if (tag != kRecordTag)
        return std::nullopt;
    auto table = static_cast<size_t>((name[0] >> 32) & 0xFFFF);
    if (table >= db::kTableCount)
        return std::nullopt;
    auto kind = static_cast<db::TableKind>(table);
    if (index >= db.table(kind).records.size())
        return std::nullopt;
    return ObjectRef{doc, ObjectRef::Kind::Record, index, kind};
}

std::optional<ObjectRef> resolveEntity(const ads_name name) {
    auto ref = resolveName(name);
    if (!ref || ref->kind != ObjectRef::Kind::Entity)
        return std::nullopt;
    return ref;
}

} // namespace vma::host
