// Entity and object names (ads_name) of the platform API. A name is two
// numbers: what it names within its database, and the database's serial, so a
// name stays valid while its document is open and never aliases another
// document's objects.
#pragma once

#include "adsdef.h"
#include "host/db/database.h"
#include "host/db/session.h"

#include <optional>

namespace vma::host {

struct ObjectRef {
    enum class Kind { Entity, Record, Block };
    Document* doc = nullptr;
    Kind kind = Kind::Entity;
    uint32_t index = 0;                         // entity id, record index or block index
    db::TableKind table = db::TableKind::Layer; // for records
};

void entityName(const db::Database& db, db::EntityId id, ads_name out);
void recordName(const db::Database& db, db::TableKind table, uint32_t index, ads_name out);
void blockName(const db::Database& db, uint32_t block, ads_name out);

// What a name refers to, in any open document; nullopt for a null, forged or
// stale name.
std::optional<ObjectRef> resolveName(const ads_name name);
// The entity a name refers to; nullopt when it names no entity.
std::optional<ObjectRef> resolveEntity(const ads_name name);

} // namespace vma::host
