// What is settled once the whole file is read: block records joined to their
// blocks, handles made unique and given where the file had none.
#include "host/dxf/reader.h"

#include <algorithm>

namespace vma::dxf {

void Reader::applyBlockRecords() {
    for (auto& [name, entry] : blockRecords_) {
        auto index = db_->findBlock(name);
        if (!index) {
            warn(entry.line, "BLOCK_RECORD " + name.substr(0, 40) + " has no block; skipped");
            continue;
        }
        db::Block block = db_->block(*index);
        block.entities.clear();
        block.recordHandle = entry.handle;
        db_->addBlock(std::move(block));
        db_->setBlockRecordGroups(*index, std::move(entry.groups));
    }
}

void Reader::checkHandles() {
    // The entities are many: a sorted list finds repeats without an index.
    std::vector<db::Handle> seen;
    seen.reserve(db_->entityCount() + db_->objects().size());
    for (size_t i = 0; i < db_->entityCount(); ++i)
        if (db::Handle h = db_->entity(static_cast<db::EntityId>(i)).handle)
            seen.push_back(h);
    for (const auto& object : db_->objects())
        if (object.handle)
            seen.push_back(object.handle);
    std::sort(seen.begin(), seen.end());
    auto repeat = std::adjacent_find(seen.begin(), seen.end());
    if (repeat == seen.end())
        return;
    warn(0, "handle " + db::handleText(*repeat) +
                " is used more than once; the repeats get new handles");
    db_->renumberRepeatedHandles();
}

void Reader::finish() {
    applyBlockRecords();
    if (handSeed_ > 0)
        db_->reserveHandle(handSeed_ - 1);
    checkHandles();
    db_->assignMissingHandles();
    for (auto& object : db_->objects())
        if (object.handle == 0)
            object.handle = db_->newHandle();
}

} // namespace vma::dxf
