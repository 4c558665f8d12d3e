#include "host/db/database.h"

#include "host/base/text.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <iterator>
#include <unordered_set>

namespace vma::db {
namespace {

constexpr std::string_view kTableNames[kTableCount] = {"VPORT", "LTYPE", "LAYER", "STYLE",
                                                       "VIEW",  "UCS",   "APPID", "DIMSTYLE"};

std::string headerKey(std::string_view name) {
    std::string key = upperName(name);
    if (key.empty() || key[0] != '$')
        key.insert(key.begin(), '$');
    return key;
}

GroupList groups(std::initializer_list<std::pair<int, std::string_view>> texts) {
    GroupList list;
    for (auto& [code, text] : texts)
        list.addText(code, text);
    return list;
}

TableRecord namedRecord(std::string_view name, int flags) {
    TableRecord r;
    r.groups.addText(2, name);
    r.groups.addInt(70, flags);
    return r;
}

void addPoint(GroupList& list, int code, double x, double y, double z) {
    list.addReal(code, x);
    list.addReal(code + 10, y);
    list.addReal(code + 20, z);
}

Block layoutBlock(std::string_view name) {
    Block b;
    b.name = std::string(name);
    b.header.addText(8, "0");
    b.header.addText(2, name);
    b.header.addInt(70, 0);
    addPoint(b.header, 10, 0, 0, 0);
    b.header.addText(3, name);
    b.header.addText(1, "");
    return b;
}

} // namespace

std::string_view tableName(TableKind kind) {
    return kTableNames[static_cast<size_t>(kind)];
}

std::optional<TableKind> tableKindFromName(std::string_view name) {
    std::string upper = upperName(name);
    for (size_t i = 0; i < kTableCount; ++i)
        if (upper == kTableNames[i])
            return static_cast<TableKind>(i);
    return std::nullopt;
}

bool Block::isLayout() const {
    return equalsNoCase(name, "*Model_Space") ||
           (name.size() >= 12 &&
            equalsNoCase(std::string_view(name).substr(0, 12), "*Paper_Space"));
}

bool Block::isAnonymous() const {
    return !name.empty() && name[0] == '*' && !isLayout();
}

Database::Database() {
    static std::atomic<int64_t> counter{1};
    serial_ = counter++;
}

std::unique_ptr<Database> Database::createEmpty() {
    std::unique_ptr<Database> db(new Database());
    // The reader gives everything its handle from the file, or assignMissingHandles does.
    db->deferHandles_ = true;
    db->nextHandle_ = 1;
    db->addBlock(layoutBlock("*Model_Space"));
    db->addBlock(layoutBlock("*Paper_Space"));
    return db;
}

std::unique_ptr<Database> Database::createNew() {
    std::unique_ptr<Database> db(new Database());
    for (auto& table : db->tables_)
        table.handle = db->newHandle();

    TableRecord vport = namedRecord("*ACTIVE", 0);
    addPoint(vport.groups, 10, 0, 0, 0);
    vport.groups.addReal(11, 1.0);
    vport.groups.addReal(21, 1.0);
    vport.groups.addReal(12, 0.0);
    vport.groups.addReal(22, 0.0);
    vport.groups.addReal(40, 10.0);
    vport.groups.addReal(41, 1.0);
    db->addRecord(TableKind::VPort, std::move(vport));

    for (std::string_view lt : {"ByBlock", "ByLayer", "Continuous"}) {
        TableRecord r = namedRecord(lt, 0);
        r.groups.addText(3, lt == "Continuous" ? "Solid line" : "");
        r.groups.addInt(72, 65);
        r.groups.addInt(73, 0);
        r.groups.addReal(40, 0.0);
        db->addRecord(TableKind::LType, std::move(r));
    }

    TableRecord layer = namedRecord("0", 0);
    layer.groups.addInt(62, 7);
    layer.groups.addText(6, "Continuous");
    db->addRecord(TableKind::Layer, std::move(layer));

    TableRecord style = namedRecord("Standard", 0);
    style.groups.addReal(40, 0.0);
    style.groups.addReal(41, 1.0);
    style.groups.addReal(50, 0.0);
    style.groups.addInt(71, 0);
    style.groups.addReal(42, 2.5);
    style.groups.addText(3, "txt");
    style.groups.addText(4, "");
    db->addRecord(TableKind::Style, std::move(style));

    db->addRecord(TableKind::AppId, namedRecord("ACAD", 0));
    db->addRecord(TableKind::DimStyle, namedRecord("Standard", 0));

    db->addBlock(layoutBlock("*Model_Space"));
    db->addBlock(layoutBlock("*Paper_Space"));

    auto text = [&](std::string_view name, int code, std::string_view value) {
        db->setHeaderValue(name, groups({{code, value}}));
    };
    auto integer = [&](std::string_view name, int code, int64_t value) {
        GroupList v;
        v.addInt(code, value);
        db->setHeaderValue(name, std::move(v));
    };
    auto point = [&](std::string_view name, double x, double y, double z) {
        GroupList v;
        addPoint(v, 10, x, y, z);
        db->setHeaderValue(name, std::move(v));
    };
    text("$ACADVER", 1, "AC1015");
    text("$DWGCODEPAGE", 3, "ANSI_1252");
    point("$INSBASE", 0, 0, 0);
    point("$EXTMIN", 1e20, 1e20, 1e20);
    point("$EXTMAX", -1e20, -1e20, -1e20);
    text("$CLAYER", 8, "0");
    text("$CELTYPE", 6, "ByLayer");
    integer("$CECOLOR", 62, 256);
    text("$TEXTSTYLE", 7, "Standard");
    text("$DIMSTYLE", 2, "Standard");
    integer("$INSUNITS", 70, 4);
    integer("$MEASUREMENT", 70, 1);
    return db;
}

void Database::note(Change change) const {
    modified_ |= change.kind == Change::Kind::HeaderChanged ? 4 : 1;
    if (journal_)
        journal_->record(change);
}

void Database::assignMissingHandles() {
    deferHandles_ = false;
    for (auto& table : tables_) {
        if (table.handle == 0)
            table.handle = newHandle();
        for (auto& r : table.records)
            if (r.handle == 0)
                r.handle = newHandle();
    }
    for (auto& b : blocks_) {
        for (Handle* h : {&b.recordHandle, &b.beginHandle, &b.endHandle})
            if (*h == 0)
                *h = newHandle();
    }
    // A main entity comes before its sub-entities: one pass gives both their handles.
    for (auto& e : entities_) {
        if (e.handle == 0)
            e.handle = newHandle();
        if (e.owner == 0)
            e.owner =
                e.parent != kNoEntity ? entities_[e.parent].handle : blocks_[e.block].recordHandle;
    }
    handleIndex_.clear();
    indexedEntities_ = 0;
}

void Database::renumberRepeatedHandles() {
    std::unordered_set<Handle> seen;
    for (const auto& table : tables_) {
        seen.insert(table.handle);
        for (const auto& r : table.records)
            seen.insert(r.handle);
    }
    for (const auto& b : blocks_)
        seen.insert({b.recordHandle, b.beginHandle, b.endHandle});
    for (auto& e : entities_) {
        if (e.handle != 0 && !seen.insert(e.handle).second)
            e.handle = newHandle();
        if (e.parent != kNoEntity)
            e.owner = entities_[e.parent].handle;
    }
    for (auto& o : objects_)
        if (o.handle != 0 && !seen.insert(o.handle).second)
            o.handle = newHandle();
    handleIndex_.clear();
    indexedEntities_ = 0;
}

const GroupList* Database::headerValue(std::string_view name) const {
    std::string key = headerKey(name);
    for (const auto& var : header_)
        if (var.name == key)
            return &var.value;
    return nullptr;
}

void Database::setHeaderValue(std::string_view name, GroupList value) {
    std::string key = headerKey(name);
    for (auto& var : header_) {
        if (var.name != key)
            continue;
        note(Change{Change::Kind::HeaderChanged, 0, {}, key, var.value});
        var.value = std::move(value);
        return;
    }
    note(Change{Change::Kind::HeaderChanged, 0, {}, key, {}});
    header_.push_back({key, std::move(value)});
}

std::optional<uint32_t> Database::findRecord(TableKind kind, std::string_view name) const {
    const auto& t = table(kind);
    auto it = t.byName.find(upperName(name));
    if (it == t.byName.end())
        return std::nullopt;
    return it->second;
}

const TableRecord& Database::record(TableKind kind, uint32_t index) const {
    return table(kind).records[index];
}

uint32_t Database::addRecord(TableKind kind, TableRecord record) {
    auto& t = tables_[static_cast<size_t>(kind)];
    if (record.handle == 0 && !deferHandles_)
        record.handle = newHandle();
    else
        reserveHandle(record.handle);
    auto index = static_cast<uint32_t>(t.records.size());
    t.byName[upperName(record.name())] = index;
    t.records.push_back(std::move(record));
    note(Change{Change::Kind::RecordAdded, index, kind, {}, {}});
    return index;
}

void Database::replaceRecord(TableKind kind, uint32_t index, GroupList groups) {
    auto& t = tables_[static_cast<size_t>(kind)];
    auto& r = t.records[index];
    note(Change{Change::Kind::RecordModified, index, kind, {}, r.groups});
    std::string oldName = upperName(r.name());
    r.groups = std::move(groups);
    std::string newName = upperName(r.name());
    if (oldName == newName)
        return;
    auto it = t.byName.find(oldName);
    if (it != t.byName.end() && it->second == index)
        t.byName.erase(it);
    t.byName[newName] = index;
}

std::optional<uint32_t> Database::findBlock(std::string_view name) const {
    auto it = blockByName_.find(upperName(name));
    if (it == blockByName_.end())
        return std::nullopt;
    return it->second;
}

uint32_t Database::addBlock(Block block) {
    for (Handle* h : {&block.recordHandle, &block.beginHandle, &block.endHandle}) {
        if (*h == 0 && !deferHandles_)
            *h = newHandle();
        else
            reserveHandle(*h);
    }
    if (auto existing = findBlock(block.name)) {
        Block& b = blocks_[*existing];
        b.recordHandle = block.recordHandle;
        b.beginHandle = block.beginHandle;
        b.endHandle = block.endHandle;
        b.header = std::move(block.header);
        b.name = std::move(block.name);
        return *existing;
    }
    auto index = static_cast<uint32_t>(blocks_.size());
    blockByName_[upperName(block.name)] = index;
    blocks_.push_back(std::move(block));
    note(Change{Change::Kind::BlockAdded, index, {}, {}, {}});
    return index;
}

void Database::setBlockHeader(uint32_t index, GroupList header) {
    blocks_[index].header = std::move(header);
}

void Database::setBlockRecordGroups(uint32_t index, GroupList groups) {
    blocks_[index].record = std::move(groups);
}

std::string Database::nextAnonymousName(std::string_view prefix) const {
    std::string upper = upperName(prefix);
    long highest = 0;
    for (const auto& [name, index] : blockByName_) {
        if (name.size() <= upper.size() || name.compare(0, upper.size(), upper) != 0)
            continue;
        long n = 0;
        auto tail = std::string_view(name).substr(upper.size());
        auto [end, ec] = std::from_chars(tail.data(), tail.data() + tail.size(), n);
        if (ec == std::errc() && end == tail.data() + tail.size() && n > highest)
            highest = n;
    }
    return std::string(prefix) + std::to_string(highest + 1);
}

EntityId Database::addEntity(Entity e) {
    if (e.handle == 0 && !deferHandles_)
        e.handle = newHandle();
    else
        reserveHandle(e.handle);
    if (e.owner == 0 && !deferHandles_)
        e.owner =
            e.parent != kNoEntity ? entities_[e.parent].handle : blocks_[e.block].recordHandle;
    auto id = static_cast<EntityId>(entities_.size());
    blocks_[e.block].entities.push_back(id);
    entities_.push_back(std::move(e));
    note(Change{Change::Kind::EntityAdded, id, {}, {}, {}});
    return id;
}

void Database::reserveEntities(size_t count) {
    entities_.reserve(count);
    adviseHugePages(entities_.data(), entities_.capacity() * sizeof(Entity));
}

void Database::appendEntities(Database& other) {
    auto offset = static_cast<EntityId>(entities_.size());
    entities_.reserve(entities_.size() + other.entities_.size());
    for (Entity& e : other.entities_) {
        if (e.parent != kNoEntity)
            e.parent += offset;
        reserveHandle(e.handle);
        blocks_[e.block].entities.push_back(static_cast<EntityId>(entities_.size()));
        entities_.push_back(std::move(e));
    }
    if (!other.entities_.empty())
        modified_ |= 1;
    other.entities_.clear();
    for (Block& b : other.blocks_)
        b.entities.clear();
    std::move(other.arenas_.begin(), other.arenas_.end(), std::back_inserter(arenas_));
    other.arenas_.clear();
}

void Database::replaceEntity(EntityId id, GroupList groups) {
    Entity& e = entities_[id];
    note(Change{Change::Kind::EntityModified, id, {}, {}, e.groups});
    e.groups = std::move(groups);
}

void Database::setErased(EntityId id, bool erased) {
    Entity& e = entities_[id];
    if (e.erased == erased)
        return;
    e.erased = erased;
    note(
        Change{erased ? Change::Kind::EntityErased : Change::Kind::EntityUnerased, id, {}, {}, {}});
}

void Database::dropEntity(EntityId id) {
    Entity& e = entities_[id];
    auto& owned = blocks_[e.block].entities;
    std::erase(owned, id);
    e.erased = true;
    e.groups = GroupList();
    modified_ |= 1;
}

void Database::dropRecord(TableKind kind, uint32_t index) {
    auto& t = tables_[static_cast<size_t>(kind)];
    auto it = t.byName.find(upperName(t.records[index].name()));
    if (it != t.byName.end() && it->second == index)
        t.byName.erase(it);
    t.records[index].erased = true;
    modified_ |= 1;
}

void Database::dropBlock(uint32_t index) {
    Block& b = blocks_[index];
    auto it = blockByName_.find(upperName(b.name));
    if (it != blockByName_.end() && it->second == index)
        blockByName_.erase(it);
    b.erased = true;
    modified_ |= 1;
}

void Database::dropHeaderValue(std::string_view name) {
    std::string key = headerKey(name);
    std::erase_if(header_, [&](const HeaderVariable& v) { return v.name == key; });
    modified_ |= 4;
}

std::optional<EntityId> Database::findHandle(Handle h) const {
    for (; indexedEntities_ < entities_.size(); ++indexedEntities_)
        handleIndex_[entities_[indexedEntities_].handle] = static_cast<EntityId>(indexedEntities_);
    auto it = handleIndex_.find(h);
    if (it == handleIndex_.end())
        return std::nullopt;
    return it->second;
}

} // namespace vma::db
