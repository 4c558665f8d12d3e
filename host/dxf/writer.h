// The writer's state shared by the section writers: the drawing, the text
// being built, and the handles of what the writer adds itself (the block
// record table, standard entries the drawing lacks, the standard objects).
#pragma once

#include "host/db/database.h"
#include "host/dxf/out.h"

#include <array>
#include <string>
#include <vector>

namespace vma::dxf {

// A standard table entry the drawing lacks; the writer supplies it.
struct DefaultRecord {
    db::TableKind kind;
    std::string_view name;
    db::Handle handle = 0;
};

// Handles of the objects written when the drawing keeps none usable.
struct StandardObjects {
    db::Handle root = 0;
    db::Handle groups = 0;
    db::Handle layouts = 0;
    db::Handle mlineStyles = 0;
    db::Handle mlineStandard = 0;
    db::Handle plotStyles = 0;
    db::Handle plotNormal = 0;
    db::Handle modelLayout = 0;
    db::Handle paperLayout = 0;
};

class Writer {
public:
    Writer(const db::Database& db, Sink& sink);
    void run();

private:
    void plan();
    void writeHeader();
    void writeClasses();
    void writeTables();
    void writeTable(db::TableKind kind);
    void writeRecord(db::TableKind kind, db::Handle handle, const db::GroupList& groups,
                     db::Handle owner);
    void writeBlockRecords();
    void writeBlocks();
    void writeBlock(uint32_t index);
    void writeEntities();
    void writeEntityList(uint32_t block, bool paper);
    void writeEntity(const db::Entity& e, db::Handle owner, bool paper);
    void writeObjects();
    void writeStandardObjects();
    void writeLayout(db::Handle handle, std::string_view name, int order, db::Handle record);
    void writeObject(const db::ObjectRecord& object);
    void beginSection(std::string_view name);
    void endSection();
    bool keepsObjects() const;
    db::Handle take() { return next_++; }

    const db::Database& db_;
    Out out_;
    db::Handle next_ = 1;
    db::Handle blockRecordTable_ = 0;
    std::array<db::Handle, db::kTableCount> tables_{};
    std::vector<DefaultRecord> defaults_;
    bool generateObjects_ = false;
    StandardObjects std_;
    db::GroupList marked_; // the entity being written, with its subclass markers
};

} // namespace vma::dxf
