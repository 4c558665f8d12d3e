#include "host/dxf/writer.h"

#include "host/dxf/dxf.h"

#include <algorithm>

namespace vma::dxf {
namespace {

struct StandardName {
    db::TableKind kind;
    std::string_view name;
};

// Entries other CAD programs expect in every R2000 drawing.
constexpr StandardName kStandardNames[] = {
    {db::TableKind::VPort, "*Active"}, {db::TableKind::LType, "ByBlock"},
    {db::TableKind::LType, "ByLayer"}, {db::TableKind::LType, "Continuous"},
    {db::TableKind::Layer, "0"},       {db::TableKind::Style, "Standard"},
    {db::TableKind::AppId, "ACAD"},    {db::TableKind::DimStyle, "Standard"},
};

// Header variables the writer sets itself; $HANDLING is gone from R2000, where
// handles are always on.
bool isWriterVariable(std::string_view name) {
    return name == "$ACADVER" || name == "$HANDSEED" || name == "$DWGCODEPAGE" ||
           name == "$HANDLING";
}

db::Handle highestHandle(const db::Database& db) {
    db::Handle high = db.handleSeed() > 0 ? db.handleSeed() - 1 : 0;
    for (const auto& object : db.objects())
        high = std::max(high, object.handle);
    return high;
}

} // namespace

Writer::Writer(const db::Database& db, Sink& sink) : db_(db), out_(sink) {}

void Writer::plan() {
    next_ = highestHandle(db_) + 1;
    blockRecordTable_ = db_.blockRecordTableHandle();
    if (blockRecordTable_ == 0)
        blockRecordTable_ = take();
    for (size_t k = 0; k < db::kTableCount; ++k) {
        db::Handle h = db_.table(static_cast<db::TableKind>(k)).handle;
        tables_[k] = h != 0 ? h : take();
    }
    for (const auto& standard : kStandardNames)
        if (!db_.findRecord(standard.kind, standard.name))
            defaults_.push_back(DefaultRecord{standard.kind, standard.name, take()});
    generateObjects_ = !keepsObjects();
    if (!generateObjects_)
        return;
    for (db::Handle* h :
         {&std_.root, &std_.groups, &std_.layouts, &std_.mlineStyles, &std_.mlineStandard,
          &std_.plotStyles, &std_.plotNormal, &std_.modelLayout, &std_.paperLayout})
        *h = take();
}

void Writer::beginSection(std::string_view name) {
    out_.text(0, "SECTION");
    out_.text(2, name);
}

void Writer::endSection() {
    out_.text(0, "ENDSEC");
}

void Writer::writeHeader() {
    beginSection("HEADER");
    out_.text(9, "$ACADVER");
    out_.text(1, "AC1015");
    out_.text(9, "$DWGCODEPAGE");
    out_.text(3, "ANSI_1252");
    out_.text(9, "$HANDSEED");
    out_.handle(5, next_);
    for (const auto& var : db_.header()) {
        if (isWriterVariable(var.name))
            continue;
        out_.text(9, var.name);
        out_.groups(var.value, 0, var.value.size());
    }
    endSection();
}

void Writer::writeClasses() {
    beginSection("CLASSES");
    for (const auto& groups : db_.classes()) {
        out_.text(0, "CLASS");
        out_.groups(groups, 0, groups.size());
    }
    endSection();
}

void Writer::run() {
    plan();
    writeHeader();
    writeClasses();
    writeTables();
    writeBlocks();
    writeEntities();
    writeObjects();
    out_.text(0, "EOF");
    out_.flush();
}

void write(const db::Database& db, std::string& out) {
    // About 300 bytes an entity keeps the buffer from growing more than once or twice.
    out.reserve(out.size() + db.entityCount() * 300 + 64 * 1024);
    StringSink sink(out);
    Writer writer(db, sink);
    writer.run();
}

} // namespace vma::dxf
