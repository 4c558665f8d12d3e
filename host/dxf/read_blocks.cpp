// BLOCKS: BLOCK, its entities, ENDBLK. *Model_Space and *Paper_Space exist in
// every drawing; their definitions here only bring their handles.
#include "host/base/text.h"
#include "host/dxf/entity_placer.h"

namespace vma::dxf {
namespace {

bool endsBlock(const Token& t) {
    return isWord(t, "BLOCK") || isWord(t, "ENDSEC") || isWord(t, "EOF") || isWord(t, "SECTION");
}

// R12 files of newer programs call the layout blocks $MODEL_SPACE and
// $PAPER_SPACE; they are the drawing's own layouts, not ordinary blocks.
std::string layoutName(std::string name) {
    if (equalsNoCase(name, "$MODEL_SPACE"))
        return "*Model_Space";
    if (equalsNoCase(name, "$PAPER_SPACE"))
        return "*Paper_Space";
    return name;
}

void renameLayout(db::Block& block) {
    std::string name = layoutName(block.name);
    if (name == block.name)
        return;
    block.name = name;
    block.header.setText(2, name);
    if (block.header.find(3) >= 0)
        block.header.setText(3, name);
}

} // namespace

void Reader::readBlocks() {
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (isWord(t, "ENDSEC") || closesSection(t, "BLOCKS"))
            return;
        if (isWord(t, "BLOCK")) {
            readBlock(t);
            continue;
        }
        warn(t.line, std::string(trimmedValue(t).substr(0, 40)) + " outside a block skipped");
        skipGroups();
    }
}

void Reader::readBlock(const Token& start) {
    Identity id;
    db::Block block;
    readGroups(block.header, id);
    dropMarkers(block.header);
    block.name =
        std::string(block.header.findText(2).value_or(block.header.findText(3).value_or("")));
    if (block.name.empty()) {
        block.name = db_->nextAnonymousName("*U");
        warn(start.line, "BLOCK without a name; called " + block.name);
        block.header.setText(2, block.name);
    }
    renameLayout(block);
    auto existing = db_->findBlock(block.name);
    bool duplicate = existing && definedBlocks_.count(*existing) > 0;
    if (duplicate)
        warn(start.line, "block " + block.name.substr(0, 40) +
                             " is defined twice; the second definition is skipped");
    block.beginHandle = id.handle;
    block.recordHandle = id.owner;
    std::optional<uint32_t> index;
    if (!duplicate) {
        index = db_->addBlock(block);
        definedBlocks_.insert(*index);
    }

    EntityPlacer placer(*this, index);
    Token t;
    while (next(t)) {
        if (isWord(t, "ENDBLK")) {
            Identity endId;
            db::GroupList end;
            readGroups(end, endId);
            placer.finish(t.line);
            if (index && endId.handle != 0) {
                block.endHandle = endId.handle;
                db_->addBlock(std::move(block));
            }
            return;
        }
        if (endsBlock(t)) {
            warn(t.line, "block " + block.name.substr(0, 40) + " has no ENDBLK");
            tokens_.unget(t);
            placer.finish(t.line);
            return;
        }
        if (index)
            placer.add(t);
        else
            skipGroups();
    }
    placer.finish(tokens_.line());
}

} // namespace vma::dxf
