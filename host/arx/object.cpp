// AcDbObject and AcDbEntity: opening, closing, and the properties every entity has.
#include "acutmem.h"
#include "host/arx/groups.h"
#include "host/arx/objects.h"
#include "host/base/text.h"

#include <cstring>

namespace vma::arx {

std::string utf8(const ACHAR* text) {
    return text ? wideToUtf8(text) : std::string();
}

std::wstring wide(std::string_view text) {
    return utf8ToWide(text);
}

ACHAR* newString(std::string_view text) {
    std::wstring w = wide(text);
    auto* out = new ACHAR[w.size() + 1];
    std::wmemcpy(out, w.c_str(), w.size() + 1);
    return out;
}

AcDbImpObject& imp(const AcDbObject* object) {
    return *object->impObject();
}

db::Database& drawing(const AcDbStub* stub) {
    return *stub->database->imp()->db;
}

bool writable(const AcDbObject* object) {
    const AcDbImpObject& m = imp(object);
    return m.stub == nullptr || m.mode == AcDb::kForWrite;
}

Acad::ErrorStatus touch(const AcDbObject* object) {
    if (!writable(object))
        return Acad::eNotOpenForWrite;
    imp(object).changed = true;
    return Acad::eOk;
}

namespace {

// The database the entity's names resolve in: its own, or the working one while it is new.
const db::Database* namesIn(const AcDbObject* object) {
    if (AcDbStub* stub = imp(object).stub)
        return &drawing(stub);
    host::Session& session = host::Session::get();
    return session.hasDocument() ? session.current().db.get() : nullptr;
}

Acad::ErrorStatus setNamed(AcDbEntity* e, int code, db::TableKind table, const ACHAR* name) {
    if (name == nullptr || *name == 0)
        return Acad::eInvalidInput;
    if (auto es = touch(e); es != Acad::eOk)
        return es;
    const db::Database* db = namesIn(e);
    if (db && !db->findRecord(table, utf8(name)))
        return Acad::eKeyNotFound;
    putText(imp(e).groups, code, utf8(name));
    return Acad::eOk;
}

void writeBack(AcDbObject* object) {
    AcDbImpObject& m = imp(object);
    db::Database& db = drawing(m.stub);
    if (m.changed)
        db.replaceEntity(m.stub->index, m.groups);
    if (m.erasing != db.entity(m.stub->index).erased)
        db.setErased(m.stub->index, m.erasing);
}

void release(AcDbStub* stub, AcDb::OpenMode mode) {
    if (mode == AcDb::kForWrite)
        stub->writer = false;
    else if (stub->readers > 0)
        --stub->readers;
}

// An attribute closed while its reference waits to be added: its groups go with the reference.
void handOver(AcDbObject* attribute) {
    AcDbImpObject& m = imp(attribute);
    AcDbImpObject& ref = imp(m.parent);
    std::erase(ref.openAttributes, static_cast<AcDbAttribute*>(attribute));
    ref.closedAttributes.emplace_back(m.stub, m.groups);
    m.parent = nullptr;
}

} // namespace
} // namespace vma::arx

using namespace vma::arx;

AcDbObject::AcDbObject(const char* dxfType) : mpImpObject(std::make_unique<AcDbImpObject>()) {
    mpImpObject->type = dxfType;
    mpImpObject->groups.addText(0, dxfType);
}

AcDbObject::~AcDbObject() = default;

AcDbObjectId AcDbObject::objectId() const {
    return AcDbObjectId(mpImpObject->stub);
}

AcDbObjectId AcDbObject::ownerId() const {
    AcDbStub* stub = mpImpObject->stub;
    if (!stub || stub->kind != AcDbStub::Kind::Entity)
        return AcDbObjectId::kNull;
    AcDbDatabase::Imp& db = *stub->database->imp();
    uint32_t block = mpImpObject->pending ? mpImpObject->block : db.db->entity(stub->index).block;
    return AcDbObjectId(db.stub(AcDbStub::Kind::Block, block));
}

AcDbDatabase* AcDbObject::database() const {
    return mpImpObject->stub ? mpImpObject->stub->database : nullptr;
}

bool AcDbObject::isNewObject() const {
    return mpImpObject->stub == nullptr || mpImpObject->pending;
}

bool AcDbObject::isReadEnabled() const {
    return true;
}

bool AcDbObject::isWriteEnabled() const {
    return writable(this);
}

bool AcDbObject::isErased() const {
    return mpImpObject->erasing;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    AcDbImpObject& m = *mpImpObject;
    if (!m.stub || m.mode == AcDb::kForWrite)
        return Acad::eWasOpenForWrite;
    if (m.stub->readers > 1 || m.stub->writer)
        return Acad::eWasOpenForRead;
    m.stub->readers = 0;
    m.stub->writer = true;
    m.mode = AcDb::kForWrite;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (!writable(this))
        return Acad::eNotOpenForWrite;
    mpImpObject->erasing = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::close() {
    AcDbImpObject& m = *mpImpObject;
    if (m.parent) {
        handOver(this);
        delete this;
        return Acad::eOk;
    }
    if (!m.stub)
        return Acad::eNotInDatabase;
    if (m.pending)
        commitPending(static_cast<AcDbEntity*>(this));
    else if (m.stub->kind == AcDbStub::Kind::Entity && m.mode == AcDb::kForWrite)
        writeBack(this);
    release(m.stub, m.mode);
    delete this;
    return Acad::eOk;
}

AcDbEntity::AcDbEntity(const char* dxfType) : AcDbObject(dxfType) {
    vma::arx::imp(this).groups.addText(8, "0");
}

AcDbObjectId AcDbEntity::blockId() const {
    return ownerId();
}

ACHAR* AcDbEntity::layer() const {
    return newString(vma::arx::imp(this).groups.findText(8).value_or("0"));
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal) {
    return setNamed(this, 8, vma::db::TableKind::Layer, newVal);
}

Adesk::UInt16 AcDbEntity::colorIndex() const {
    return static_cast<Adesk::UInt16>(vma::arx::imp(this).groups.findInt(62).value_or(256));
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color) {
    if (color > 257)
        return Acad::eInvalidInput;
    if (auto es = touch(this); es != Acad::eOk)
        return es;
    putInt(vma::arx::imp(this).groups, 62, color);
    return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const {
    return newString(vma::arx::imp(this).groups.findText(6).value_or("BYLAYER"));
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal) {
    return setNamed(this, 6, vma::db::TableKind::LType, newVal);
}

double AcDbEntity::linetypeScale() const {
    return vma::arx::imp(this).groups.findReal(48).value_or(1.0);
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newVal) {
    if (newVal <= 0)
        return Acad::eInvalidInput;
    if (auto es = touch(this); es != Acad::eOk)
        return es;
    putReal(vma::arx::imp(this).groups, 48, newVal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* pEntity, bool) {
    if (pEntity == nullptr)
        return Acad::eNullEntityPointer;
    if (auto es = touch(this); es != Acad::eOk)
        return es;
    copyCodes(vma::arx::imp(this).groups, vma::arx::imp(pEntity).groups,
              {8, 6, 62, 48, 60, 370, 420, 430, 440});
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) {
    return writable(this) ? Acad::eNotApplicable : Acad::eNotOpenForWrite;
}

void acutDelString(ACHAR*& str) {
    delete[] str;
    str = nullptr;
}
