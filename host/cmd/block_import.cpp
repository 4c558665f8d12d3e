#include "host/cmd/block_import.h"

#include "acedads.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/subclass.h"

#include <map>
#include <vector>

namespace vma::cmd {
namespace {

constexpr db::TableKind kCopiedTables[] = {db::TableKind::LType, db::TableKind::Layer,
                                           db::TableKind::Style, db::TableKind::DimStyle,
                                           db::TableKind::AppId};

void copyMissingRecords(db::Database& target, const db::Database& source) {
    for (db::TableKind kind : kCopiedTables) {
        for (const db::TableRecord& r : source.table(kind).records) {
            if (r.erased || r.name().empty() || target.findRecord(kind, r.name()))
                continue;
            db::TableRecord copy;
            copy.groups = r.groups;
            target.addRecord(kind, std::move(copy));
        }
    }
}

// Block names of the source as the target will know them: anonymous blocks
// get fresh numbers, so they never take the place of the target's own.
using Renames = std::map<std::string, std::string>;

// Handles of the source mean nothing in the target: references and the
// application groups around them are left out; extended data stays.
db::GroupList portable(const db::GroupList& g, const Renames& renames) {
    db::GroupList out;
    size_t xdata = host::xdataStart(g);
    std::string_view type = g.empty() ? std::string_view() : g.text(0);
    for (size_t i = 0; i < g.size(); ++i) {
        int code = g[i].code;
        if (i < xdata && code == 102) {
            i = db::endOfAppGroups(g, i) - 1;
            continue;
        }
        if (i < xdata && host::isHandleRefCode(code))
            continue;
        bool blockRef = code == 2 && (type == "INSERT" || type == "DIMENSION");
        auto renamed = blockRef ? renames.find(upperName(g.text(i))) : renames.end();
        if (renamed != renames.end()) {
            out.addText(2, renamed->second);
            continue;
        }
        out.addFrom(g, i);
    }
    return out;
}

// Copies entities in order; sub-entities follow their copied main entity.
void copyEntities(db::Database& target, uint32_t block, const db::Database& source,
                  const std::vector<db::EntityId>& ids, const Renames& renames) {
    std::map<db::EntityId, db::EntityId> copied;
    for (db::EntityId id : ids) {
        const db::Entity& e = source.entity(id);
        if (e.erased)
            continue;
        db::Entity copy;
        copy.block = block;
        if (e.parent != db::kNoEntity) {
            auto main = copied.find(e.parent);
            if (main == copied.end())
                continue;
            copy.parent = main->second;
        }
        copy.groups = portable(e.groups, renames);
        copied[id] = target.addEntity(std::move(copy));
    }
}

db::GroupList blockHeader(const db::GroupList& sourceHeader, std::string_view name) {
    db::GroupList h = sourceHeader;
    h.setText(2, name);
    h.setText(3, name);
    return h;
}

// Replaces an existing definition's content, keeping its handles.
uint32_t emptyBlock(db::Database& target, std::string_view name, db::GroupList header) {
    auto existing = target.findBlock(name);
    if (!existing)
        return target.addBlock(db::Block{std::string(name), 0, 0, 0, std::move(header)});
    for (db::EntityId id : target.block(*existing).entities)
        target.setErased(id, true);
    const db::Block& old = target.block(*existing);
    db::Block b{old.name, old.recordHandle, old.beginHandle, old.endHandle, std::move(header)};
    return target.addBlock(std::move(b));
}

std::string anonymousPrefix(std::string_view name) {
    return name.size() > 1 ? "*" + upperName(name.substr(1, 1)) : "*U";
}

void copyNestedBlocks(db::Database& target, const db::Database& source, Renames& renames) {
    std::vector<uint32_t> toCopy;
    for (uint32_t b = 0; b < source.blocks().size(); ++b) {
        const db::Block& block = source.block(b);
        if (block.erased || block.isLayout())
            continue;
        if (block.isAnonymous()) {
            std::string fresh = target.nextAnonymousName(anonymousPrefix(block.name));
            renames[upperName(block.name)] = fresh;
            target.addBlock(db::Block{fresh, 0, 0, 0, blockHeader(block.header, fresh)});
            toCopy.push_back(b);
            continue;
        }
        if (target.findBlock(block.name))
            continue;
        target.addBlock(db::Block{block.name, 0, 0, 0, block.header});
        toCopy.push_back(b);
    }
    for (uint32_t b : toCopy) {
        const db::Block& block = source.block(b);
        auto renamed = renames.find(upperName(block.name));
        std::string name = renamed != renames.end() ? renamed->second : block.name;
        copyEntities(target, *target.findBlock(name), source, block.entities, renames);
    }
}

} // namespace

uint32_t defineBlockFrom(db::Database& target, const db::Database& source, std::string_view name) {
    copyMissingRecords(target, source);
    Renames renames;
    copyNestedBlocks(target, source, renames);
    db::GroupList header;
    header.addText(8, "0");
    header.addText(2, name);
    header.addInt(70, 0);
    const db::GroupList* base = source.headerValue("INSBASE");
    for (int code : {10, 20, 30})
        header.addReal(code, base ? base->findReal(code).value_or(0) : 0);
    header.addText(3, name);
    header.addText(1, "");
    uint32_t index = emptyBlock(target, name, std::move(header));
    copyEntities(target, index, source, source.block(source.modelSpace()).entities, renames);
    return index;
}

std::optional<std::filesystem::path> findDrawingFile(std::wstring_view name) {
    std::wstring file(name);
    std::wstring upper = upperName(file);
    if (!upper.ends_with(L".DWG") && !upper.ends_with(L".DXF"))
        file += L".dwg";
    wchar_t found[4096] = {};
    if (acedFindFile(file.c_str(), found, std::size(found)) != RTNORM)
        return std::nullopt;
    return std::filesystem::path(wideToUtf8(found));
}

std::wstring blockNameOfFile(std::wstring_view file) {
    size_t slash = file.find_last_of(L"\\/:");
    std::wstring_view base = slash == std::wstring_view::npos ? file : file.substr(slash + 1);
    std::wstring upper = upperName(base);
    if (upper.ends_with(L".DWG") || upper.ends_with(L".DXF"))
        base.remove_suffix(4);
    return std::wstring(base);
}

} // namespace vma::cmd
