// acdbEntMake's side of the database: simple entities and table entries go in
// at once; POLYLINE/INSERT sequences and block definitions are gathered here,
// one at a time, and reach the database only when their end is accepted.
#include "host/db/entmake.h"

#include "host/base/text.h"
#include "host/db/ads_errno.h"

#include <cctype>
#include <vector>

namespace vma::host {
namespace {

struct Part {
    PreparedEntity entity;
    bool sub = false; // a VERTEX, ATTRIB or SEQEND of the main entity before it
};

struct PendingBlock {
    PreparedEntity header;
    std::vector<Part> parts;
};

// The complex entity under construction, for the drawing with the serial.
struct Construction {
    int64_t serial = 0;
    std::vector<Part> sequence; // a POLYLINE or INSERT and its parts so far
    std::optional<PendingBlock> block;

    bool active() const { return !sequence.empty() || block.has_value(); }
    void clear() {
        sequence.clear();
        block.reset();
    }
};

Construction& construction() {
    static Construction pending;
    return pending;
}

Error refused(int code, std::string why) {
    return Error::coded(code, std::move(why));
}

MadeObject pending() {
    return MadeObject{};
}

// Adds extra groups in front of the extended data.
void addBeforeXdata(db::GroupList& groups, const db::GroupList& extra) {
    size_t xdata = xdataStart(groups);
    db::GroupList out;
    for (size_t i = 0; i < xdata; ++i)
        out.addFrom(groups, i);
    for (size_t i = 0; i < extra.size(); ++i)
        out.addFrom(extra, i);
    for (size_t i = xdata; i < groups.size(); ++i)
        out.addFrom(groups, i);
    groups = std::move(out);
}

bool startsSequence(std::string_view type, const db::GroupList& groups) {
    return type == "POLYLINE" || (type == "INSERT" && groups.findInt(66).value_or(0) == 1);
}

// A POLYLINE always announces its vertices and carries the dummy point of the DXF format.
void completePolyline(db::GroupList& groups) {
    db::GroupList extra;
    if (groups.find(66) < 0)
        extra.addInt(66, 1);
    if (groups.find(10) < 0)
        for (int code : {10, 20, 30})
            extra.addReal(code, 0);
    if (groups.find(70) < 0)
        extra.addInt(70, 0);
    addBeforeXdata(groups, extra);
}

// Adds the parts to a block of the drawing; gives the first one's id.
db::EntityId commitParts(db::Database& db, uint32_t block, std::vector<Part>& parts) {
    db::EntityId first = db::kNoEntity;
    db::EntityId main = db::kNoEntity;
    for (Part& part : parts) {
        if (!part.entity.layerToCreate.empty())
            ensureLayer(db, part.entity.layerToCreate);
        db::Entity e;
        e.block = block;
        e.parent = part.sub ? main : db::kNoEntity;
        e.groups = std::move(part.entity.groups);
        db::EntityId id = db.addEntity(std::move(e));
        if (!part.sub)
            main = id;
        if (first == db::kNoEntity)
            first = id;
    }
    return first;
}

// Complete entities go into the block being defined, or else into the drawing.
MadeObject place(Document& doc, Construction& c, std::vector<Part> parts) {
    if (c.block) {
        for (Part& part : parts)
            c.block->parts.push_back(std::move(part));
        return pending();
    }
    db::Database& db = *doc.db;
    uint32_t space = parts.front().entity.paperSpace ? db.paperSpace() : db.modelSpace();
    db::EntityId id = commitParts(db, space, parts);
    return MadeObject{MadeObject::Kind::Entity, ObjectRef{&doc, ObjectRef::Kind::Entity, id}, {}};
}

size_t countOf(const std::vector<Part>& parts, std::string_view type) {
    size_t n = 0;
    for (const Part& part : parts)
        n += part.entity.groups.text(0) == type ? 1 : 0;
    return n;
}

ErrorOr<MadeObject> continueSequence(Document& doc, Construction& c, std::string_view type,
                                     db::GroupList groups) {
    const db::GroupList& main = c.sequence.front().entity.groups;
    bool polyline = main.text(0) == "POLYLINE";
    std::string_view expected = polyline ? "VERTEX" : "ATTRIB";
    if (type != expected && type != "SEQEND")
        return refused(polyline ? adserr::kBadPolyline : adserr::kIncompleteComplex,
                       std::string(type) + " inside a " + std::string(main.text(0)));
    bool layerGiven = groups.find(8) >= 0;
    VMA_TRY_ASSIGN(PreparedEntity part, prepareEntity(*doc.db, std::move(groups)));
    if (type == "SEQEND" && !layerGiven) {
        part.groups.setText(8, *main.findText(8));
        part.layerToCreate.clear();
    }
    c.sequence.push_back(Part{std::move(part), true});
    if (type != "SEQEND")
        return pending();
    if (polyline && countOf(c.sequence, "VERTEX") == 0)
        return refused(adserr::kBadPolyline, "a polyline without vertices");
    std::vector<Part> parts = std::move(c.sequence);
    c.sequence.clear();
    return place(doc, c, std::move(parts));
}

ErrorOr<MadeObject> makeEntity(Document& doc, Construction& c, std::string_view type,
                               db::GroupList groups) {
    if (!c.sequence.empty())
        return continueSequence(doc, c, type, std::move(groups));
    if (type == "VERTEX" || type == "ATTRIB" || type == "SEQEND")
        return refused(adserr::kBadEntityType, std::string(type) + " outside its main entity");
    VMA_TRY_ASSIGN(PreparedEntity entity, prepareEntity(*doc.db, std::move(groups)));
    if (!startsSequence(type, entity.groups)) {
        std::vector<Part> parts;
        parts.push_back(Part{std::move(entity), false});
        return place(doc, c, std::move(parts));
    }
    if (type == "POLYLINE")
        completePolyline(entity.groups);
    c.sequence.push_back(Part{std::move(entity), false});
    return pending();
}

ErrorOr<MadeObject> beginBlock(Document& doc, Construction& c, db::GroupList groups) {
    if (c.active())
        return refused(adserr::kBlockMisuse, "a BLOCK inside another complex entity");
    VMA_TRY_ASSIGN(PreparedEntity header, prepareBlockHeader(*doc.db, std::move(groups)));
    c.block = PendingBlock{std::move(header), {}};
    return pending();
}

// "*U" and "*D" style names get the next free number of their letter.
std::string anonymousPrefix(std::string_view name) {
    bool lettered = name.size() > 1 && std::isalpha(static_cast<unsigned char>(name[1]));
    return lettered ? "*" + upperName(name.substr(1, 1)) : "*U";
}

bool insertsItself(const PendingBlock& block, std::string_view name) {
    for (const Part& part : block.parts) {
        const db::GroupList& groups = part.entity.groups;
        if (groups.text(0) == "INSERT" && equalsNoCase(groups.findText(2).value_or(""), name))
            return true;
    }
    return false;
}

ErrorOr<MadeObject> endBlock(Document& doc, Construction& c) {
    if (!c.block)
        return refused(adserr::kBlockMisuse, "an ENDBLK without its BLOCK");
    if (!c.sequence.empty())
        return refused(adserr::kIncompleteComplex, "an ENDBLK inside a complex entity");
    db::Database& db = *doc.db;
    PendingBlock block = std::move(*c.block);
    c.block.reset();
    db::GroupList& header = block.header.groups;
    std::string name(*header.findText(2));
    bool anonymous = name[0] == '*';
    if (!anonymous && insertsItself(block, name))
        return refused(adserr::kBlockMisuse, "a block cannot hold a reference to itself");
    if (anonymous) {
        name = db.nextAnonymousName(anonymousPrefix(name));
        header.setText(2, name);
        header.setText(3, name);
    }
    if (!block.header.layerToCreate.empty())
        ensureLayer(db, block.header.layerToCreate);
    auto existing = anonymous ? std::nullopt : db.findBlock(name);
    uint32_t index = existing ? redefineBlock(db, *existing, std::move(header))
                              : db.addBlock(db::Block{name, 0, 0, 0, std::move(header)});
    commitParts(db, index, block.parts);
    Session::get().lastInput() = utf8ToWide(db.block(index).name);
    return MadeObject{MadeObject::Kind::Block, ObjectRef{&doc, ObjectRef::Kind::Block, index},
                      db.block(index).name};
}

ErrorOr<MadeObject> makeRecord(Document& doc, Construction& c, db::TableKind kind,
                               db::GroupList groups) {
    if (c.active())
        return refused(adserr::kBlockMisuse, "a table entry inside a complex entity");
    db::Database& db = *doc.db;
    VMA_TRY_ASSIGN(db::GroupList body, prepareRecord(db, kind, std::move(groups)));
    if (db.findRecord(kind, *body.findText(2)))
        return refused(adserr::kBadSymbolName, "the table has that name already");
    db::TableRecord record;
    record.groups = std::move(body);
    uint32_t index = db.addRecord(kind, std::move(record));
    return MadeObject{
        MadeObject::Kind::Record, ObjectRef{&doc, ObjectRef::Kind::Record, index, kind}, {}};
}

ErrorOr<MadeObject> dispatch(Document& doc, Construction& c, db::GroupList groups) {
    if (groups.empty() || groups[0].code != 0)
        return refused(adserr::kBadEntityType, "the list does not start with its type");
    std::string type = upperName(groups.text(0));
    if (auto table = db::tableKindFromName(type))
        return makeRecord(doc, c, *table, std::move(groups));
    if (type == "BLOCK")
        return beginBlock(doc, c, std::move(groups));
    if (type == "ENDBLK")
        return endBlock(doc, c);
    return makeEntity(doc, c, type, std::move(groups));
}

} // namespace

ErrorOr<MadeObject> makeFromList(Document& doc, const resbuf* list) {
    Construction& c = construction();
    if (c.serial != doc.db->serial()) {
        c.clear();
        c.serial = doc.db->serial();
    }
    auto in = readList(list, *doc.db);
    if (!in.ok()) {
        c.clear();
        return in.error();
    }
    auto made = dispatch(doc, c, std::move(in->groups));
    if (!made.ok())
        c.clear();
    return made;
}

// A block defined again loses its old entities; it keeps its handles.
uint32_t redefineBlock(db::Database& db, uint32_t index, db::GroupList header) {
    for (db::EntityId id : db.block(index).entities)
        db.setErased(id, true);
    const db::Block& old = db.block(index);
    db::Block b;
    b.name = old.name;
    b.recordHandle = old.recordHandle;
    b.beginHandle = old.beginHandle;
    b.endHandle = old.endHandle;
    b.header = std::move(header);
    return db.addBlock(std::move(b));
}

} // namespace vma::host
