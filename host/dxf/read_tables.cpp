// TABLES: one TABLE per symbol table, its records up to ENDTAB. Block records
// are kept aside and joined to their blocks when the file is read.
#include "host/base/text.h"
#include "host/dxf/reader.h"

namespace vma::dxf {
namespace {

// Viewport configurations share the name *ACTIVE; other names are unique.
bool allowsDuplicates(db::TableKind kind) {
    return kind == db::TableKind::VPort;
}

} // namespace

void Reader::readTables() {
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (isWord(t, "ENDSEC") || closesSection(t, "TABLES"))
            return;
        if (isWord(t, "TABLE")) {
            readTable(t);
            continue;
        }
        warn(t.line, std::string(trimmedValue(t).substr(0, 40)) + " outside a TABLE ignored");
        skipGroups();
    }
}

void Reader::readTable(const Token& start) {
    Identity tableId;
    db::GroupList head;
    readGroups(head, tableId);
    std::string name = upperName(head.findText(2).value_or(""));
    auto kind = db::tableKindFromName(name);
    bool blockRecords = name == "BLOCK_RECORD";
    if (kind)
        db_->setTableHandle(*kind, tableId.handle);
    else if (blockRecords)
        db_->setBlockRecordTableHandle(tableId.handle);
    else
        warn(start.line, "unknown table '" + name.substr(0, 40) + "' skipped");
    db_->reserveHandle(tableId.handle);
    Token t;
    while (next(t)) {
        if (isWord(t, "ENDTAB")) {
            skipGroups();
            return;
        }
        if (isWord(t, "TABLE") || isWord(t, "ENDSEC") || isWord(t, "EOF") || isWord(t, "SECTION")) {
            warn(t.line, "table " + name.substr(0, 40) + " has no ENDTAB");
            tokens_.unget(t);
            return;
        }
        Identity id;
        scratch_.clear();
        readGroups(scratch_, id, kind == db::TableKind::DimStyle ? 105 : 5);
        dropMarkers(scratch_);
        if (kind)
            addRecord(*kind, id, t.line);
        else if (blockRecords)
            addBlockRecord(id, t.line);
    }
}

void Reader::addRecord(db::TableKind kind, const Identity& id, long line) {
    db::TableRecord record;
    record.handle = id.handle;
    record.groups = scratch_;
    std::string_view name = record.name();
    if (name.empty()) {
        warn(line, std::string(db::tableName(kind)) + " entry without a name skipped");
        return;
    }
    if (!allowsDuplicates(kind) && db_->findRecord(kind, name)) {
        warn(line, std::string(db::tableName(kind)) + " '" + std::string(name.substr(0, 40)) +
                       "' is listed twice; the second entry is skipped");
        return;
    }
    db_->addRecord(kind, std::move(record));
}

void Reader::addBlockRecord(const Identity& id, long line) {
    std::string name(scratch_.findText(2).value_or(""));
    if (name.empty()) {
        warn(line, "BLOCK_RECORD without a name skipped");
        return;
    }
    long at = scratch_.find(2);
    scratch_.erase(static_cast<size_t>(at));
    db_->reserveHandle(id.handle);
    blockRecords_[upperName(name)] = BlockRecordEntry{id.handle, scratch_, line};
}

} // namespace vma::dxf
