// The block table, block records and their iterator; appending entities to a block.
#include "host/arx/groups.h"
#include "host/arx/objects.h"
#include "host/base/text.h"

namespace vma::arx {
namespace {

AcDbDatabase::Imp& dbOf(const AcDbObject* object) {
    return *imp(object).stub->database->imp();
}

const db::Block& blockOf(const AcDbObject* record) {
    return drawing(imp(record).stub).block(imp(record).stub->index);
}

std::optional<uint32_t> findBlock(const AcDbObject* table, const ACHAR* name, bool erasedToo) {
    const db::Database& db = drawing(imp(table).stub);
    auto index = db.findBlock(utf8(name));
    if (!index || (db.block(*index).erased && !erasedToo))
        return std::nullopt;
    return index;
}

// Adds an entity to the drawing with its reserved handle and points its id at it.
db::EntityId addReserved(db::Database& db, AcDbStub* stub, uint32_t block, db::EntityId parent,
                         db::GroupList groups) {
    db::Entity e;
    e.handle = stub->handle;
    e.block = block;
    e.parent = parent;
    e.groups = std::move(groups);
    db::EntityId id = db.addEntity(std::move(e));
    stub->index = id;
    stub->database->imp()->byIndex[{static_cast<int>(AcDbStub::Kind::Entity),
                                    static_cast<int>(vma::db::TableKind::Style), id}] = stub;
    return id;
}

} // namespace

void commitPending(AcDbEntity* entity) {
    AcDbImpObject& m = imp(entity);
    db::Database& db = drawing(m.stub);
    bool attributes = !m.openAttributes.empty() || !m.closedAttributes.empty();
    if (attributes)
        putInt(m.groups, 66, 1);
    db::EntityId main = addReserved(db, m.stub, m.block, db::kNoEntity, m.groups);
    m.pending = false;
    m.changed = false;
    if (!attributes)
        return;
    for (auto& [stub, groups] : m.closedAttributes)
        addReserved(db, stub, m.block, main, std::move(groups));
    m.closedAttributes.clear();
    for (AcDbAttribute* open : m.openAttributes) {
        AcDbImpObject& a = imp(open);
        addReserved(db, a.stub, m.block, main, a.groups);
        a.parent = nullptr;
        a.pending = false;
        a.changed = false;
    }
    m.openAttributes.clear();
    db::Entity seqend;
    seqend.block = m.block;
    seqend.parent = main;
    seqend.groups.addText(0, "SEQEND");
    seqend.groups.addText(8, m.groups.findText(8).value_or("0"));
    db.addEntity(std::move(seqend));
}

} // namespace vma::arx

using namespace vma::arx;

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbObjectId& recordId,
                                         bool getErasedRecord) const {
    recordId.setNull();
    if (entryName == nullptr)
        return Acad::eInvalidInput;
    auto index = findBlock(this, entryName, getErasedRecord);
    if (!index)
        return Acad::eKeyNotFound;
    recordId = AcDbObjectId(dbOf(this).stub(AcDbStub::Kind::Block, *index));
    return Acad::eOk;
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
    return name != nullptr && findBlock(this, name, false).has_value();
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
    AcDbStub* stub = id.stub();
    return stub && stub->database == imp(this).stub->database &&
           stub->kind == AcDbStub::Kind::Block && !id.isErased();
}

AcDbBlockTable::AcDbBlockTable() : AcDbSymbolTable("TABLE") {}

Acad::ErrorStatus AcDbBlockTable::getAt(const ACHAR* entryName, AcDbBlockTableRecord*& pRec,
                                        AcDb::OpenMode openMode, bool openErasedRec) const {
    pRec = nullptr;
    AcDbObjectId id;
    if (auto es = getAt(entryName, id, openErasedRec); es != Acad::eOk)
        return es;
    AcDbObject* object = nullptr;
    auto es = openStub(object, id.stub(), openMode, openErasedRec);
    pRec = static_cast<AcDbBlockTableRecord*>(object);
    return es;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& pName) const {
    AcDbImpObject& m = imp(this);
    const AcDbStub* stub = m.stub;
    m.text = stub->kind == AcDbStub::Kind::Record
                 ? wide(drawing(stub).record(stub->table, stub->index).name())
                 : wide(blockOf(this).name);
    pName = m.text.c_str();
    return Acad::eOk;
}

AcDbBlockTableRecord::AcDbBlockTableRecord() : AcDbSymbolTableRecord("BLOCK_RECORD") {}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& pIterator,
                                                    bool atBeginning, bool skipDeleted) const {
    const vma::db::Database& db = drawing(imp(this).stub);
    std::vector<AcDbBlockTableRecordIterator::Item> items;
    for (vma::db::EntityId id : blockOf(this).entities) {
        const vma::db::Entity& e = db.entity(id);
        if (e.parent == vma::db::kNoEntity)
            items.push_back({AcDbObjectId(dbOf(this).stub(AcDbStub::Kind::Entity, id)), e.erased});
    }
    pIterator = new AcDbBlockTableRecordIterator(objectId(), std::move(items));
    pIterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* pEntity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, pEntity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& pOutputId,
                                                         AcDbEntity* pEntity) {
    pOutputId.setNull();
    if (pEntity == nullptr)
        return Acad::eNullEntityPointer;
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    AcDbImpObject& e = imp(pEntity);
    if (e.stub != nullptr || e.parent != nullptr)
        return Acad::eAlreadyInDb;
    if (AcDbAttribute::cast(pEntity))
        return Acad::eWrongObjectType;
    AcDbDatabase::Imp& db = dbOf(this);
    if (e.blockRecord && e.blockRecord->database != db.self)
        return Acad::eWrongDatabase;
    e.stub = db.pendingStub(db.db->newHandle());
    e.mode = AcDb::kForWrite;
    e.pending = true;
    e.block = imp(this).stub->index;
    for (AcDbAttribute* attribute : e.openAttributes)
        imp(attribute).stub = db.pendingStub(db.db->newHandle());
    for (auto& closed : e.closedAttributes)
        closed.first = db.pendingStub(db.db->newHandle());
    pOutputId = AcDbObjectId(e.stub);
    return Acad::eOk;
}

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
    const vma::db::Database& db = drawing(imp(this).stub);
    for (vma::db::EntityId id : blockOf(this).entities)
        if (!db.entity(id).erased && db.entity(id).type() == "ATTDEF")
            return true;
    return false;
}

bool AcDbBlockTableRecord::isLayout() const {
    return blockOf(this).isLayout();
}

bool AcDbBlockTableRecord::isAnonymous() const {
    return blockOf(this).isAnonymous();
}

AcGePoint3d AcDbBlockTableRecord::origin() const {
    return pointAt(blockOf(this).header, 10);
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(AcDbObjectId block,
                                                           std::vector<Item> items)
    : block_(block), items_(std::move(items)) {}

AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
    skipDeleted_ = skipDeleted;
    pos_ = atBeginning ? 0 : static_cast<long>(items_.size()) - 1;
    skipErased(atBeginning);
}

bool AcDbBlockTableRecordIterator::done() const {
    return pos_ < 0 || pos_ >= static_cast<long>(items_.size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
    skipDeleted_ = skipDeleted;
    if (done())
        return;
    pos_ += forward ? 1 : -1;
    skipErased(forward);
}

bool AcDbBlockTableRecordIterator::skipErased(bool forward) {
    while (!done() && skipDeleted_ && items_[static_cast<size_t>(pos_)].erased)
        pos_ += forward ? 1 : -1;
    return !done();
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& pEntity,
                                                          AcDb::OpenMode openMode,
                                                          bool openErasedEntity) const {
    pEntity = nullptr;
    if (done())
        return Acad::eIteratorDone;
    return acdbOpenAcDbEntity(pEntity, items_[static_cast<size_t>(pos_)].id, openMode,
                              openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& entityId) const {
    if (done())
        return Acad::eIteratorDone;
    entityId = items_[static_cast<size_t>(pos_)].id;
    return Acad::eOk;
}
