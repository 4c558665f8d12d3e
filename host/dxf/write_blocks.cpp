// BLOCKS and ENTITIES. Every block gets BLOCK ... ENDBLK; the entities of model
// space and the active paper space go to ENTITIES instead, paper space ones
// marked with 67 1. Owners are worked out here, not trusted from storage:
// the block record for main entities, the main entity for sub-entities.
#include "host/db/subclass.h"
#include "host/dxf/writer.h"

namespace vma::dxf {
namespace {

constexpr int kPaperSpaceCode = 67;

bool isBlockHeaderEntityCode(int code) {
    return code == 8 || code == kPaperSpaceCode || code == 2;
}

} // namespace

void Writer::writeEntity(const db::Entity& e, db::Handle owner, bool paper) {
    db::withSubclassMarkers(e.groups, marked_);
    const db::GroupList& list = marked_;
    bool needPaperFlag = paper && list.find(kPaperSpaceCode) < 0;
    out_.group(list, 0);
    out_.handle(5, e.handle);
    size_t lead = endOfAppGroups(list, 1);
    out_.groups(list, 1, lead);
    out_.handle(330, owner);
    size_t i = lead;
    if (needPaperFlag && i < list.size() && list[i].code == 100 && list.text(i) == "AcDbEntity")
        out_.group(list, i++);
    if (needPaperFlag)
        out_.integer(kPaperSpaceCode, 1);
    out_.groups(list, i, list.size());
}

void Writer::writeEntityList(uint32_t index, bool paper) {
    const db::Block& block = db_.block(index);
    for (db::EntityId id : block.entities) {
        const db::Entity& e = db_.entity(id);
        if (e.erased || e.groups.empty())
            continue;
        if (e.parent == db::kNoEntity) {
            writeEntity(e, block.recordHandle, paper);
            continue;
        }
        const db::Entity& main = db_.entity(e.parent);
        if (!main.erased)
            writeEntity(e, main.handle, paper);
    }
}

void Writer::writeBlock(uint32_t index) {
    const db::Block& b = db_.block(index);
    bool paper = b.isLayout() && index != db_.modelSpace();
    std::string_view layer = b.header.findText(8).value_or("0");
    auto entityPart = [&](std::string_view type, db::Handle handle) {
        out_.text(0, type);
        out_.handle(5, handle);
        out_.handle(330, b.recordHandle);
        out_.text(100, "AcDbEntity");
        if (paper)
            out_.integer(kPaperSpaceCode, 1);
        out_.text(8, layer);
    };

    entityPart("BLOCK", b.beginHandle);
    out_.text(100, "AcDbBlockBegin");
    out_.text(2, b.name);
    if (b.header.find(70) < 0)
        out_.integer(70, 0);
    if (b.header.find(10) < 0)
        out_.point(10, 0, 0, 0);
    for (size_t i = 0; i < b.header.size(); ++i)
        if (!isBlockHeaderEntityCode(b.header[i].code))
            out_.group(b.header, i);
    if (b.header.find(3) < 0)
        out_.text(3, b.name);
    if (index != db_.modelSpace() && index != db_.paperSpace())
        writeEntityList(index, false);
    entityPart("ENDBLK", b.endHandle);
    out_.text(100, "AcDbBlockEnd");
}

void Writer::writeBlocks() {
    beginSection("BLOCKS");
    for (uint32_t i = 0; i < db_.blocks().size(); ++i)
        if (!db_.block(i).erased)
            writeBlock(i);
    endSection();
}

void Writer::writeEntities() {
    beginSection("ENTITIES");
    writeEntityList(db_.modelSpace(), false);
    writeEntityList(db_.paperSpace(), true);
    endSection();
}

} // namespace vma::dxf
