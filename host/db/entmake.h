// Entity lists coming in through acdbEntMake and acdbEntMod: their checks, the
// defaults the CAD program fills in, and the complex entities (POLYLINE and
// INSERT with their SEQEND, BLOCK...ENDBLK) gathered over several calls and
// committed only when their end is accepted. Refusals are errors whose code is
// the ERRNO value to report.
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"
#include "host/db/ename.h"
#include "host/db/rblist.h"

#include <optional>
#include <string>
#include <string_view>

namespace vma::host {

// What one accepted acdbEntMake list did.
struct MadeObject {
    enum class Kind {
        Entity,  // a main entity was added (also a complex one, at its SEQEND)
        Record,  // a table entry was added
        Pending, // part of a complex entity or block definition, kept until its end
        Block,   // a block definition was completed by its ENDBLK
    };
    Kind kind = Kind::Pending;
    ObjectRef ref;         // the entity, record or block; unset for Pending
    std::string blockName; // the completed block's name (anonymous ones numbered)
};

// Adds the list (group 0 first, or second after -1) to doc's drawing, or to
// the complex entity under construction. A refused part of a complex entity
// discards all of it.
ErrorOr<MadeObject> makeFromList(Document& doc, const resbuf* list);

// Replaces the data of the entity or table entry the list's -1 group names in
// doc's drawing, after the checks of acdbEntMake. The type and handle stay;
// application groups ({ ... }) stay as stored; extended data is replaced for
// the applications the list gives (one given without data loses it) and kept
// for the others. Refusals leave the object unchanged.
ErrorOr<void> modifyFromList(Document& doc, const resbuf* list);

// An entity list checked and completed for storing: markers, handles and owner
// taken out, the layer filled in (CLAYER when missing), required groups present.
struct PreparedEntity {
    db::GroupList groups;
    bool paperSpace = false;   // (67 . 1) was given
    std::string layerToCreate; // a layer the list names that the drawing lacks
};
ErrorOr<PreparedEntity> prepareEntity(const db::Database& db, db::GroupList groups);

// A BLOCK list checked: its groups as Block::header keeps them (layer, name,
// flags, base point, name again, xref path, then the rest); the layer named
// may have to be created. A name starting with * is anonymous (bit 1 of 70).
ErrorOr<PreparedEntity> prepareBlockHeader(const db::Database& db, db::GroupList groups);

// A table entry list (group 0 the table's name) checked and completed with the
// defaults of its table: the record's groups, name (2) and flags (70) first.
// Whether the name is free is the caller's to check.
ErrorOr<db::GroupList> prepareRecord(const db::Database& db, db::TableKind kind,
                                     db::GroupList groups);

// Gives an existing block a new header and erases its old entities; the
// block keeps its name and handles. Returns its index.
uint32_t redefineBlock(db::Database& db, uint32_t index, db::GroupList header);

// Adds a layer with the defaults of the LAYER command's New option, unless it exists.
void ensureLayer(db::Database& db, std::string_view name);

// The rules for symbol-table names (layers, blocks, registered applications).
bool isValidSymbolName(std::string_view name);

// Checks the extended data at the end of a list: each application registered,
// only extended-data codes after the first 1001, braces balanced, sizes kept.
ErrorOr<void> checkXdata(const db::Database& db, const db::GroupList& groups);

} // namespace vma::host
