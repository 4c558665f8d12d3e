// The drawing database of one document: header variables, symbol tables,
// block definitions with their entities, and the objects the host keeps as read.
// Entities are DXF group lists in creation order; every change goes through the
// journal hook.
#pragma once

#include "host/db/arena.h"
#include "host/db/group.h"
#include "host/db/handle.h"
#include "host/db/journal.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vma::db {

using EntityId = uint32_t;
constexpr EntityId kNoEntity = UINT32_MAX;

// Symbol tables in the order the DXF TABLES section lists them. Block records
// are not a table here: blocks() holds them with their definitions.
enum class TableKind : uint8_t { VPort, LType, Layer, Style, View, Ucs, AppId, DimStyle };
constexpr size_t kTableCount = 8;
// "VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE".
std::string_view tableName(TableKind kind);
// The kind for a table name as the ADS table functions take it (also "BLOCK"
// is not one: nullopt).
std::optional<TableKind> tableKindFromName(std::string_view name);

struct Entity {
    Handle handle = 0;
    Handle owner = 0;            // the block record's handle; the main entity's for sub-entities
    uint32_t block = 0;          // index into Database::blocks()
    EntityId parent = kNoEntity; // main entity of a VERTEX, ATTRIB or SEQEND
    bool erased = false;
    // Group 0 (the type) first, then the entity's groups in DXF order without
    // its handle (5) and owner (330); extended data (1001 and up) at the end.
    // Subclass markers (100) are kept only for types the host does not know.
    GroupList groups;

    std::string_view type() const { return groups.empty() ? std::string_view() : groups.text(0); }
};

struct TableRecord {
    Handle handle = 0;
    bool erased = false;
    // The record's groups without 0, handle and owner: name (2), flags (70), ...
    GroupList groups;

    std::string_view name() const { return groups.findText(2).value_or(std::string_view()); }
};

struct SymbolTable {
    Handle handle = 0;
    std::vector<TableRecord> records;
    std::unordered_map<std::string, uint32_t> byName; // upper-case name -> record
};

struct Block {
    std::string name;
    Handle recordHandle = 0; // BLOCK_RECORD
    Handle beginHandle = 0;  // BLOCK
    Handle endHandle = 0;    // ENDBLK
    // BLOCK groups without 0, 5, 330, 100: layer (8), name (2), flags (70), base point (10/20/30)
    // ...
    GroupList header;
    // Extra groups of the BLOCK_RECORD entry as read (xdata, insert units), kept for writing.
    GroupList record;
    std::vector<EntityId> entities; // owned entities in order, sub-entities after their main entity
    bool erased = false;

    bool isLayout() const;    // *Model_Space, *Paper_Space (and *Paper_Space0...)
    bool isAnonymous() const; // *D, *U, *X, *A ... names
    int flags() const { return static_cast<int>(header.findInt(70).value_or(0)); }
};

struct HeaderVariable {
    std::string name; // with the leading $
    GroupList value;
};

struct ObjectRecord {
    Handle handle = 0;
    Handle owner = 0;
    GroupList groups; // group 0 first, handle and owner left out as for entities
};

class Database {
public:
    // A new drawing with the standard entries: layer 0, linetypes BYBLOCK,
    // BYLAYER and CONTINUOUS, style and dimension style STANDARD, APPID ACAD,
    // *Model_Space and *Paper_Space, and the header of an R2000 drawing.
    static std::unique_ptr<Database> createNew();
    // Only *Model_Space and *Paper_Space, without handles: the DXF reader fills it
    // and calls assignMissingHandles() at the end.
    static std::unique_ptr<Database> createEmpty();

    // A number unique to this database in the process, used in entity names.
    int64_t serial() const { return serial_; }

    void setJournal(Journal* journal) { journal_ = journal; }
    Journal* journal() const { return journal_; }

    // What changed since the drawing was opened or last saved, as the DBMOD bits:
    // 1 objects (entities, table records, blocks), 4 header variables.
    int modifiedFlags() const { return modified_; }
    void clearModified() { modified_ = 0; }

    // Handles.
    Handle newHandle() { return nextHandle_++; }
    Handle handleSeed() const { return nextHandle_; }
    // Makes sure handles given out later are above h (for handles read from a file).
    void reserveHandle(Handle h) {
        if (h >= nextHandle_)
            nextHandle_ = h + 1;
    }

    // Gives handles to table records, blocks and entities read without one (R12).
    void assignMissingHandles();
    // Gives a new handle to each entity and object whose handle an earlier one
    // has (a damaged file); sub-entities follow their main entity's new handle.
    void renumberRepeatedHandles();

    // Header variables.
    const std::vector<HeaderVariable>& header() const { return header_; }
    const GroupList* headerValue(std::string_view name) const; // name with or without $, any case
    void setHeaderValue(std::string_view name, GroupList value);

    // Symbol tables.
    const SymbolTable& table(TableKind kind) const { return tables_[static_cast<size_t>(kind)]; }
    void setTableHandle(TableKind kind, Handle h) { tables_[static_cast<size_t>(kind)].handle = h; }
    // The BLOCK_RECORD table's own handle (0 until read or given by a save).
    Handle blockRecordTableHandle() const { return blockRecordTable_; }
    void setBlockRecordTableHandle(Handle h) { blockRecordTable_ = h; }
    std::optional<uint32_t> findRecord(TableKind kind, std::string_view name) const;
    const TableRecord& record(TableKind kind, uint32_t index) const;
    // Adds a record (handle given out when 0). A record with the same name is replaced
    // in the index (the reader warns about duplicates before calling this).
    uint32_t addRecord(TableKind kind, TableRecord record);
    void replaceRecord(TableKind kind, uint32_t index, GroupList groups);

    // Blocks. Index 0 is *Model_Space and 1 *Paper_Space once they exist.
    const std::vector<Block>& blocks() const { return blocks_; }
    const Block& block(uint32_t index) const { return blocks_[index]; }
    std::optional<uint32_t> findBlock(std::string_view name) const;
    // Adds a block (handles given out where 0). When a block of that name exists
    // already, its handles and header are replaced and its entities kept: so the
    // reader fills in *Model_Space and *Paper_Space, which every database has.
    uint32_t addBlock(Block block);
    uint32_t modelSpace() const { return 0; }
    uint32_t paperSpace() const { return 1; }
    void setBlockHeader(uint32_t index, GroupList header);
    // Extra BLOCK_RECORD groups read from a file.
    void setBlockRecordGroups(uint32_t index, GroupList groups);
    // A fresh anonymous block name with the given prefix: "*D" -> "*D3".
    std::string nextAnonymousName(std::string_view prefix) const;

    // Entities.
    size_t entityCount() const { return entities_.size(); }
    const Entity& entity(EntityId id) const { return entities_[id]; }
    // Appends to the block's entity list (and to the database's creation order);
    // gives out a handle when e.handle is 0 and sets the owner when it is 0.
    EntityId addEntity(Entity e);
    void replaceEntity(EntityId id, GroupList groups);
    void setErased(EntityId id, bool erased);
    // The entity with handle h (erased ones included), or nullopt.
    std::optional<EntityId> findHandle(Handle h) const;
    // Room for count entities (a reader's guess; untouched room costs no memory).
    void reserveEntities(size_t count);
    // Moves the entities of other, a database of the same layout blocks that a
    // second reading thread filled, to the end of this one with their memory.
    void appendEntities(Database& other);
    // Memory for group lists that live as long as the database (a reader's).
    Arena& newArena() { return *arenas_.emplace_back(std::make_unique<Arena>()); }

    // Undo's way back over an addition: the entity, record, block or header
    // variable is gone for good (erased, out of its block's list and the name
    // indexes; an entity keeps no groups, so its name no longer resolves).
    // Nothing reaches the journal.
    void dropEntity(EntityId id);
    void dropRecord(TableKind kind, uint32_t index);
    void dropBlock(uint32_t index);
    void dropHeaderValue(std::string_view name);

    // Objects and classes kept from a file (written back by the DXF writer).
    std::vector<ObjectRecord>& objects() { return objects_; }
    const std::vector<ObjectRecord>& objects() const { return objects_; }
    std::vector<GroupList>& classes() { return classes_; }
    const std::vector<GroupList>& classes() const { return classes_; }

private:
    Database();
    void note(Change change) const;

    int64_t serial_;
    Journal* journal_ = nullptr;
    mutable int modified_ = 0;
    Handle nextHandle_ = 1;
    bool deferHandles_ = false; // while a file is read: handles come from the file
    // Before everything holding group lists: they may live in these.
    std::vector<std::unique_ptr<Arena>> arenas_;
    std::vector<HeaderVariable> header_;
    std::array<SymbolTable, kTableCount> tables_;
    Handle blockRecordTable_ = 0;
    std::vector<Block> blocks_;
    std::unordered_map<std::string, uint32_t> blockByName_;
    std::vector<Entity> entities_;
    mutable std::unordered_map<Handle, EntityId> handleIndex_; // built on the first lookup
    mutable size_t indexedEntities_ = 0;
    std::vector<ObjectRecord> objects_;
    std::vector<GroupList> classes_;
};

} // namespace vma::db
