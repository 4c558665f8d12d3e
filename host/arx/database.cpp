// AcDbDatabase: a document's drawing or a side database read from a file,
// the ids of its objects, and opening objects by id.
#include "dbapserv.h"
#include "host/arx/objects.h"
#include "host/db/ename.h"
#include "host/dxf/dxf.h"
#include "host/win/paths.h"

namespace vma::arx {
namespace {

// Document databases: made on first use, dropped with their document.
class DocumentDatabases : public host::DocumentObserver {
public:
    static DocumentDatabases& get() {
        static DocumentDatabases instance;
        return instance;
    }
    AcDbDatabase* of(host::Document& doc) {
        auto& slot = bySerial_[doc.db->serial()];
        if (!slot) {
            auto imp = std::make_unique<AcDbDatabase::Imp>();
            imp->db = doc.db.get();
            imp->document = true;
            slot = std::make_unique<AcDbDatabase>(std::move(imp));
        }
        return slot.get();
    }
    host::Document* documentOf(const AcDbDatabase* database) {
        for (auto& [serial, db] : bySerial_)
            if (db.get() == database)
                return host::Session::get().findBySerial(serial);
        return nullptr;
    }
    void closing(host::Document& doc) override { bySerial_.erase(doc.db->serial()); }

private:
    DocumentDatabases() { host::Session::get().addObserver(this); }
    std::map<int64_t, std::unique_ptr<AcDbDatabase>> bySerial_;
};

class HostServices : public AcDbHostApplicationServices {
public:
    AcDbDatabase* workingDatabase() const override {
        host::Session& session = host::Session::get();
        return session.hasDocument() ? documentDatabase(session.current()) : nullptr;
    }
};

bool hasOpenObjects(const AcDbDatabase::Imp& imp) {
    for (const AcDbStub& stub : imp.stubs)
        if (stub.readers > 0 || stub.writer)
            return true;
    return false;
}

bool erased(const AcDbStub* stub) {
    const db::Database& db = drawing(stub);
    switch (stub->kind) {
    case AcDbStub::Kind::Block:
        return db.block(stub->index).erased;
    case AcDbStub::Kind::Record:
        return db.record(stub->table, stub->index).erased;
    case AcDbStub::Kind::Entity:
        return stub->index != db::kNoEntity && db.entity(stub->index).erased;
    case AcDbStub::Kind::BlockTable:
        return false;
    }
    return false;
}

// A fresh object of the class for a stored entity type.
std::unique_ptr<AcDbObject> objectFor(const AcDbStub* stub) {
    if (stub->kind == AcDbStub::Kind::BlockTable)
        return std::make_unique<AcDbBlockTable>();
    if (stub->kind == AcDbStub::Kind::Block)
        return std::make_unique<AcDbBlockTableRecord>();
    if (stub->kind == AcDbStub::Kind::Record)
        return std::make_unique<OtherRecord>();
    std::string_view type = drawing(stub).entity(stub->index).type();
    if (type == "INSERT")
        return std::make_unique<AcDbBlockReference>();
    if (type == "ATTRIB")
        return std::make_unique<AcDbAttribute>();
    if (type == "ATTDEF")
        return std::make_unique<AcDbAttributeDefinition>();
    if (type == "TEXT")
        return std::make_unique<AcDbText>();
    return std::make_unique<OtherEntity>(std::string(type));
}

} // namespace

AcDbDatabase* documentDatabase(host::Document& doc) {
    return DocumentDatabases::get().of(doc);
}

host::Document* documentOf(const AcDbDatabase* database) {
    return DocumentDatabases::get().documentOf(database);
}

Acad::ErrorStatus openStub(AcDbObject*& out, AcDbStub* stub, AcDb::OpenMode mode, bool openErased) {
    out = nullptr;
    if (stub->kind == AcDbStub::Kind::Entity && stub->index == db::kNoEntity)
        return Acad::eWasOpenForWrite;
    if (erased(stub) && !openErased)
        return Acad::eWasErased;
    bool write = mode == AcDb::kForWrite;
    if (stub->writer)
        return Acad::eWasOpenForWrite;
    if (write && stub->readers > 0)
        return Acad::eWasOpenForRead;
    std::unique_ptr<AcDbObject> object = objectFor(stub);
    AcDbImpObject& m = imp(object.get());
    m.stub = stub;
    m.mode = write ? AcDb::kForWrite : AcDb::kForRead;
    if (stub->kind == AcDbStub::Kind::Entity) {
        const db::Entity& e = drawing(stub).entity(stub->index);
        m.groups = e.groups;
        m.erasing = e.erased;
    }
    if (write)
        stub->writer = true;
    else
        ++stub->readers;
    out = object.release();
    return Acad::eOk;
}

} // namespace vma::arx

using namespace vma::arx;

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const {
    return stub_ != nullptr && !isErased();
}

bool AcDbObjectId::isErased() const {
    return stub_ != nullptr && erased(stub_);
}

AcDbDatabase* AcDbObjectId::database() const {
    return stub_ ? stub_->database : nullptr;
}

Adesk::UInt64 AcDbObjectId::handle() const {
    if (!stub_)
        return 0;
    const vma::db::Database& db = drawing(stub_);
    switch (stub_->kind) {
    case AcDbStub::Kind::Block:
        return db.block(stub_->index).recordHandle;
    case AcDbStub::Kind::Record:
        return db.record(stub_->table, stub_->index).handle;
    case AcDbStub::Kind::Entity:
        return stub_->index == vma::db::kNoEntity ? stub_->handle : db.entity(stub_->index).handle;
    case AcDbStub::Kind::BlockTable:
        return db.blockRecordTableHandle();
    }
    return 0;
}

bool AcDbObjectId::operator<(const AcDbObjectId& id) const {
    return std::less<const AcDbStub*>()(stub_, id.stub_);
}

AcDbStub* AcDbDatabase::Imp::stub(AcDbStub::Kind kind, uint32_t index, vma::db::TableKind table) {
    auto key = std::make_tuple(static_cast<int>(kind), static_cast<int>(table), index);
    if (auto it = byIndex.find(key); it != byIndex.end())
        return it->second;
    AcDbStub& made = stubs.emplace_back();
    made.database = self;
    made.kind = kind;
    made.table = table;
    made.index = index;
    byIndex[key] = &made;
    return &made;
}

AcDbStub* AcDbDatabase::Imp::pendingStub(vma::db::Handle handle) {
    AcDbStub& made = stubs.emplace_back();
    made.database = self;
    made.kind = AcDbStub::Kind::Entity;
    made.handle = handle;
    made.writer = true;
    return &made;
}

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool) : imp_(std::make_unique<Imp>()) {
    imp_->self = this;
    imp_->owned =
        buildDefaultDrawing ? vma::db::Database::createNew() : vma::db::Database::createEmpty();
    imp_->db = imp_->owned.get();
}

AcDbDatabase::AcDbDatabase(std::unique_ptr<Imp> documentImp) : imp_(std::move(documentImp)) {
    imp_->self = this;
}

AcDbDatabase::~AcDbDatabase() = default;

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, OpenMode, bool, const wchar_t*) {
    if (fileName == nullptr || *fileName == 0)
        return Acad::eInvalidInput;
    if (imp_->document || imp_->read || hasOpenObjects(*imp_))
        return Acad::eNotApplicable;
    std::filesystem::path path = vma::win::hostPath(fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Acad::eFileNotFound;
    auto read = vma::dxf::readFile(path);
    if (!read.ok())
        return Acad::eDxfReadAborted;
    imp_->owned = std::move(read->db);
    imp_->db = imp_->owned.get();
    imp_->read = true;
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::blockTableId() const {
    return AcDbObjectId(imp_->stub(AcDbStub::Kind::BlockTable, 0));
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode) {
    pTable = nullptr;
    AcDbObject* object = nullptr;
    auto es = openStub(object, blockTableId().stub(), mode, false);
    if (es == Acad::eOk)
        pTable = static_cast<AcDbBlockTable*>(object);
    return es;
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode) {
    return getBlockTable(pTable, mode);
}

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static HostServices services;
    return &services;
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased) {
    pObj = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    return openStub(pObj, id.stub(), mode, openErased);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedEntity) {
    pEnt = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    if (id.stub()->kind != AcDbStub::Kind::Entity)
        return Acad::eNotAnEntity;
    AcDbObject* object = nullptr;
    auto es = openStub(object, id.stub(), mode, openErasedEntity);
    pEnt = static_cast<AcDbEntity*>(object);
    return es;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId) {
    if (objId.isNull())
        return Acad::eNullObjectId;
    AcDbStub* stub = objId.stub();
    if (!documentOf(stub->database))
        return Acad::eNotApplicable;
    const vma::db::Database& db = drawing(stub);
    if (stub->kind == AcDbStub::Kind::Entity && stub->index != vma::db::kNoEntity) {
        vma::host::entityName(db, stub->index, objName);
        return Acad::eOk;
    }
    if (stub->kind == AcDbStub::Kind::Block) {
        vma::host::blockName(db, stub->index, objName);
        return Acad::eOk;
    }
    return Acad::eNotApplicable;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName) {
    objId.setNull();
    auto ref = vma::host::resolveName(objName);
    if (!ref)
        return Acad::eInvalidAdsName;
    AcDbDatabase::Imp& imp = *documentDatabase(*ref->doc)->imp();
    if (ref->kind == vma::host::ObjectRef::Kind::Entity)
        objId = AcDbObjectId(imp.stub(AcDbStub::Kind::Entity, ref->index));
    else if (ref->kind == vma::host::ObjectRef::Kind::Block)
        objId = AcDbObjectId(imp.stub(AcDbStub::Kind::Block, ref->index));
    else
        return Acad::eNotApplicable;
    return Acad::eOk;
}
