// AcDbDatabase::insert: another database's model space defined as a block of
// this one, with the table entries and nested blocks its entities use.
#include "host/arx/objects.h"
#include "host/base/text.h"
#include "host/db/entmake.h"
#include "host/db/rblist.h"
#include "host/db/subclass.h"

#include <set>

namespace vma::arx {
namespace {

// Group 7 names a text style only in these types.
bool namesStyle(std::string_view type) {
    return type == "TEXT" || type == "MTEXT" || type == "ATTDEF" || type == "ATTRIB";
}

bool namesBlock(std::string_view type) {
    return type == "INSERT" || type == "DIMENSION";
}

bool isNonConstantAttdef(const db::Entity& e) {
    return e.type() == "ATTDEF" && (e.groups.findInt(70).value_or(0) & 2) == 0;
}

class Copier {
public:
    Copier(const db::Database& from, db::Database& to) : from_(from), to_(to) {}

    // Whether the source's model space uses the block name, itself or in a nested block.
    bool uses(std::string_view name) {
        std::set<uint32_t> seen;
        return reaches(from_.modelSpace(), upperName(name), seen);
    }

    uint32_t define(const std::string& name) {
        names_[from_.modelSpace()] = name;
        db::GroupList header = headerFor(name, from_.modelSpace());
        for (int code : {10, 20, 30})
            header.setReal(code, insertionBase(code));
        uint32_t index = place(name, std::move(header));
        copyEntities(from_.modelSpace(), index);
        return index;
    }

private:
    bool reaches(uint32_t block, const std::string& name, std::set<uint32_t>& seen) {
        if (!seen.insert(block).second)
            return false;
        for (db::EntityId id : from_.block(block).entities) {
            const db::Entity& e = from_.entity(id);
            if (e.erased || !namesBlock(e.type()))
                continue;
            std::string nested = upperName(e.groups.findText(2).value_or(""));
            if (nested == name)
                return true;
            if (auto index = from_.findBlock(nested); index && reaches(*index, name, seen))
                return true;
        }
        return false;
    }

    double insertionBase(int code) const {
        const db::GroupList* base = from_.headerValue("$INSBASE");
        return base ? base->findReal(code).value_or(0) : 0;
    }

    db::GroupList headerFor(const std::string& name, uint32_t source) const {
        db::GroupList header;
        header.addText(8, "0");
        header.addText(2, name);
        int flags = name[0] == '*' ? 1 : 0;
        for (db::EntityId id : from_.block(source).entities)
            if (!from_.entity(id).erased && isNonConstantAttdef(from_.entity(id)))
                flags |= 2;
        header.addInt(70, flags);
        const db::GroupList& old = from_.block(source).header;
        for (int code : {10, 20, 30})
            header.addReal(code, old.findReal(code).value_or(0));
        header.addText(3, name);
        header.addText(1, "");
        return header;
    }

    // A new block, or the existing one of that name with its entities erased.
    uint32_t place(const std::string& name, db::GroupList header) {
        auto existing = to_.findBlock(name);
        if (!existing)
            return to_.addBlock(db::Block{name, 0, 0, 0, std::move(header)});
        for (db::EntityId id : to_.block(*existing).entities)
            to_.setErased(id, true);
        const db::Block& old = to_.block(*existing);
        db::Block b;
        b.name = old.name;
        b.recordHandle = old.recordHandle;
        b.beginHandle = old.beginHandle;
        b.endHandle = old.endHandle;
        b.header = std::move(header);
        return to_.addBlock(std::move(b));
    }

    // The target's name for a source block: kept when the target has a block of
    // that name, else defined from the source (anonymous ones numbered afresh).
    std::string nestedName(std::string_view sourceName) {
        auto source = from_.findBlock(sourceName);
        if (!source)
            return std::string(sourceName);
        if (auto it = names_.find(*source); it != names_.end())
            return it->second;
        const db::Block& b = from_.block(*source);
        bool anonymous = b.isAnonymous();
        if (!anonymous && to_.findBlock(b.name)) {
            names_[*source] = b.name;
            return b.name;
        }
        std::string name = anonymous ? to_.nextAnonymousName(b.name.substr(0, 2)) : b.name;
        names_[*source] = name;
        uint32_t index = to_.addBlock(db::Block{name, 0, 0, 0, headerFor(name, *source)});
        copyEntities(*source, index);
        return name;
    }

    void copyEntities(uint32_t source, uint32_t target) {
        std::map<db::EntityId, db::EntityId> made;
        std::vector<db::EntityId> ids = from_.block(source).entities;
        for (db::EntityId id : ids) {
            const db::Entity& e = from_.entity(id);
            if (e.erased)
                continue;
            db::EntityId parent = db::kNoEntity;
            if (e.parent != db::kNoEntity) {
                auto it = made.find(e.parent);
                if (it == made.end())
                    continue;
                parent = it->second;
            }
            db::Entity copy;
            copy.block = target;
            copy.parent = parent;
            copy.groups = copiedGroups(e);
            made[id] = to_.addEntity(std::move(copy));
        }
    }

    // The groups without references into the source (handles, application
    // groups), with the names they use made available in the target.
    db::GroupList copiedGroups(const db::Entity& e) {
        const db::GroupList& g = e.groups;
        std::string type(e.type());
        db::GroupList out;
        for (size_t i = 0; i < g.size(); ++i) {
            int code = g[i].code;
            if (code == 102) {
                i = db::endOfAppGroups(g, i) - 1;
                continue;
            }
            if (host::isHandleRefCode(code) || code == 1005)
                continue;
            if (code == 2 && namesBlock(type)) {
                out.addText(2, nestedName(g.text(i)));
                continue;
            }
            noteName(type, code, g.text(g[i]), g[i].kind == db::GroupKind::Text);
            out.addFrom(g, i);
        }
        return out;
    }

    void noteName(const std::string& type, int code, std::string_view text, bool isText) {
        if (!isText)
            return;
        if (code == 8)
            layer(std::string(text));
        else if (code == 6)
            record(db::TableKind::LType, text);
        else if (code == 7 && namesStyle(type))
            record(db::TableKind::Style, text);
        else if (code == 3 && (type == "DIMENSION" || type == "LEADER"))
            record(db::TableKind::DimStyle, text);
        else if (code == 1001)
            record(db::TableKind::AppId, text);
    }

    void layer(const std::string& name) {
        if (to_.findRecord(db::TableKind::Layer, name))
            return;
        auto source = from_.findRecord(db::TableKind::Layer, name);
        if (!source) {
            host::ensureLayer(to_, name);
            return;
        }
        record(db::TableKind::LType,
               from_.record(db::TableKind::Layer, *source).groups.findText(6).value_or(""));
        record(db::TableKind::Layer, name);
    }

    // Copies a table entry the target lacks; references to other objects are left out.
    void record(db::TableKind kind, std::string_view name) {
        if (name.empty() || to_.findRecord(kind, name))
            return;
        auto source = from_.findRecord(kind, name);
        if (!source)
            return;
        const db::GroupList& g = from_.record(kind, *source).groups;
        db::TableRecord copy;
        for (size_t i = 0; i < g.size(); ++i)
            if (!host::isHandleRefCode(g[i].code))
                copy.groups.addFrom(g, i);
        to_.addRecord(kind, std::move(copy));
    }

    const db::Database& from_;
    db::Database& to_;
    std::map<uint32_t, std::string> names_; // source block index -> target name
};

} // namespace
} // namespace vma::arx

using namespace vma::arx;

Acad::ErrorStatus AcDbDatabase::insert(AcDbObjectId& blockId, const ACHAR* pBlockName,
                                       AcDbDatabase* pDb, bool) {
    blockId.setNull();
    if (pDb == nullptr || pDb == this || pBlockName == nullptr)
        return Acad::eInvalidInput;
    std::string name = utf8(pBlockName);
    if (name.empty() || name[0] == '*' || !vma::host::isValidSymbolName(name))
        return Acad::eInvalidBlockName;
    Copier copier(*pDb->imp()->db, *imp_->db);
    if (copier.uses(name))
        return Acad::eSelfReference;
    uint32_t index = copier.define(name);
    blockId = AcDbObjectId(imp_->stub(AcDbStub::Kind::Block, index));
    return Acad::eOk;
}
