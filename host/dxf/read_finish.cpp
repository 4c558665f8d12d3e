// What is settled once the whole file is read: block records joined to their
// blocks, handles made unique and given where the file had none.
#include "host/dxf/reader.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace vma::dxf {

void Reader::applyBlockRecords() {
    for (auto& [name, entry] : blockRecords_) {
        auto index = db_->findBlock(name);
        if (!index) {
            warn(entry.line, "BLOCK_RECORD " + name.substr(0, 40) + " has no block; skipped");
            continue;
        }
        // The block as it is without its entities (a layout's may be millions).
        const db::Block& found = db_->block(*index);
        db::Block block;
        block.name = found.name;
        block.header = found.header;
        block.beginHandle = found.beginHandle;
        block.endHandle = found.endHandle;
        block.recordHandle = entry.handle;
        db_->addBlock(std::move(block));
        db_->setBlockRecordGroups(*index, std::move(entry.groups));
    }
}

namespace {

// The first handle that comes twice in the list; files mostly list their
// handles in order, which needs no sort.
std::optional<db::Handle> firstRepeat(std::vector<db::Handle>& handles) {
    if (!std::is_sorted(handles.begin(), handles.end()))
        std::sort(handles.begin(), handles.end());
    auto repeat = std::adjacent_find(handles.begin(), handles.end());
    return repeat == handles.end() ? std::nullopt : std::optional(*repeat);
}

} // namespace

void Reader::checkHandles() {
    std::vector<db::Handle>& entities = entityHandles_;
    std::vector<db::Handle> objects;
    for (const auto& object : db_->objects())
        if (object.handle)
            objects.push_back(object.handle);
    auto repeat = firstRepeat(entities);
    if (!repeat)
        repeat = firstRepeat(objects);
    if (!repeat) {
        std::vector<db::Handle> both;
        std::set_intersection(entities.begin(), entities.end(), objects.begin(), objects.end(),
                              std::back_inserter(both));
        if (both.empty())
            return;
        repeat = both.front();
    }
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
