// TABLES: the eight symbol tables of the drawing and BLOCK_RECORD, which
// lists the blocks. Entries the drawing lacks but readers expect are added.
#include "host/dxf/writer.h"

namespace vma::dxf {
namespace {

std::string_view recordClass(db::TableKind kind) {
    switch (kind) {
    case db::TableKind::VPort:
        return "AcDbViewportTableRecord";
    case db::TableKind::LType:
        return "AcDbLinetypeTableRecord";
    case db::TableKind::Layer:
        return "AcDbLayerTableRecord";
    case db::TableKind::Style:
        return "AcDbTextStyleTableRecord";
    case db::TableKind::View:
        return "AcDbViewTableRecord";
    case db::TableKind::Ucs:
        return "AcDbUCSTableRecord";
    case db::TableKind::AppId:
        return "AcDbRegAppTableRecord";
    case db::TableKind::DimStyle:
        return "AcDbDimStyleTableRecord";
    }
    return "";
}

db::GroupList defaultGroups(db::TableKind kind, std::string_view name) {
    db::GroupList g;
    g.addText(2, name);
    g.addInt(70, 0);
    switch (kind) {
    case db::TableKind::VPort:
        g.addReal(10, 0);
        g.addReal(20, 0);
        g.addReal(11, 1);
        g.addReal(21, 1);
        g.addReal(12, 0);
        g.addReal(22, 0);
        g.addReal(40, 10);
        g.addReal(41, 1);
        break;
    case db::TableKind::LType:
        g.addText(3, name == "Continuous" ? "Solid line" : "");
        g.addInt(72, 65);
        g.addInt(73, 0);
        g.addReal(40, 0);
        break;
    case db::TableKind::Layer:
        g.addInt(62, 7);
        g.addText(6, "Continuous");
        break;
    case db::TableKind::Style:
        g.addReal(40, 0);
        g.addReal(41, 1);
        g.addReal(50, 0);
        g.addInt(71, 0);
        g.addReal(42, 2.5);
        g.addText(3, "txt");
        g.addText(4, "");
        break;
    default:
        break;
    }
    return g;
}

} // namespace

void Writer::writeRecord(db::TableKind kind, db::Handle handle, const db::GroupList& groups,
                         db::Handle owner) {
    out_.text(0, db::tableName(kind));
    out_.handle(kind == db::TableKind::DimStyle ? 105 : 5, handle);
    size_t lead = endOfAppGroups(groups, 0);
    out_.groups(groups, 0, lead);
    out_.handle(330, owner);
    out_.text(100, "AcDbSymbolTableRecord");
    out_.text(100, recordClass(kind));
    out_.groups(groups, lead, groups.size());
}

void Writer::writeTable(db::TableKind kind) {
    const db::SymbolTable& table = db_.table(kind);
    db::Handle handle = tables_[static_cast<size_t>(kind)];
    size_t count = 0;
    for (const auto& r : table.records)
        count += r.erased ? 0 : 1;
    for (const auto& d : defaults_)
        count += d.kind == kind ? 1 : 0;

    out_.text(0, "TABLE");
    out_.text(2, db::tableName(kind));
    out_.handle(5, handle);
    out_.text(330, "0");
    out_.text(100, "AcDbSymbolTable");
    out_.integer(70, static_cast<int64_t>(count));
    if (kind == db::TableKind::DimStyle)
        out_.text(100, "AcDbDimStyleTable");
    for (const auto& d : defaults_)
        if (d.kind == kind)
            writeRecord(kind, d.handle, defaultGroups(kind, d.name), handle);
    for (const auto& r : table.records)
        if (!r.erased)
            writeRecord(kind, r.handle, r.groups, handle);
    out_.text(0, "ENDTAB");
}

void Writer::writeBlockRecords() {
    size_t count = 0;
    for (const auto& b : db_.blocks())
        count += b.erased ? 0 : 1;
    out_.text(0, "TABLE");
    out_.text(2, "BLOCK_RECORD");
    out_.handle(5, blockRecordTable_);
    out_.text(330, "0");
    out_.text(100, "AcDbSymbolTable");
    out_.integer(70, static_cast<int64_t>(count));
    for (uint32_t i = 0; i < db_.blocks().size(); ++i) {
        const db::Block& b = db_.block(i);
        if (b.erased)
            continue;
        out_.text(0, "BLOCK_RECORD");
        out_.handle(5, b.recordHandle);
        size_t lead = endOfAppGroups(b.record, 0);
        out_.groups(b.record, 0, lead);
        out_.handle(330, blockRecordTable_);
        out_.text(100, "AcDbSymbolTableRecord");
        out_.text(100, "AcDbBlockTableRecord");
        out_.text(2, b.name);
        db::Handle layout = i == db_.modelSpace()   ? std_.modelLayout
                            : i == db_.paperSpace() ? std_.paperLayout
                                                    : 0;
        if (generateObjects_ && layout != 0)
            out_.handle(340, layout);
        for (size_t g = lead; g < b.record.size(); ++g)
            if (!(generateObjects_ && b.record[g].code == 340))
                out_.group(b.record, g);
    }
    out_.text(0, "ENDTAB");
}

void Writer::writeTables() {
    beginSection("TABLES");
    for (size_t k = 0; k < db::kTableCount; ++k)
        writeTable(static_cast<db::TableKind>(k));
    writeBlockRecords();
    endSection();
}

} // namespace vma::dxf
