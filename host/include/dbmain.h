// Objects of the drawing database and the database itself. An object opened
// with acdbOpenObject holds a copy of its data; close() writes a changed
// object back through the database (so undo sees it) and ends the object.
// A new object made with new lives in the module's hands until it is added
// to a database; after that close() ends it, before that the module deletes it.
#pragma once

#include "acadstrc.h"
#include "acdb.h"
#include "adesk.h"
#include "adsdef.h"
#include "dbid.h"
#include "gemat3d.h"
#include "rxobject.h"

#include <memory>

class AcDbBlockTable;
struct AcDbImpObject;

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);
    ~AcDbObject() override;
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const;
    // The database the object is in; nullptr while it is new.
    AcDbDatabase* database() const;
    bool isNewObject() const;
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    bool isErased() const;

    // Opened for read becomes opened for write. eOk; eWasOpenForWrite when it is already.
    Acad::ErrorStatus upgradeOpen();
    // Marks the object erased (written at close). eOk; eNotOpenForWrite.
    Acad::ErrorStatus erase(bool erasing = true);
    // Writes a changed object back and ends it (the pointer is gone after eOk).
    // eOk; eNotInDatabase for an object never added (delete it instead); an
    // error from the database leaves the object open.
    Acad::ErrorStatus close();

    // Host side.
    AcDbImpObject* impObject() const { return mpImpObject.get(); }

protected:
    explicit AcDbObject(const char* dxfType);

private:
    std::unique_ptr<AcDbImpObject> mpImpObject;
};

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);

    // The block record that owns the entity (null while new).
    AcDbObjectId blockId() const;
    // Layer name (a fresh string: acutDelString) and setters; setLayer and
    // setLinetype give eKeyNotFound for a name the database does not have.
    ACHAR* layer() const;
    Acad::ErrorStatus setLayer(const ACHAR* newVal);
    Adesk::UInt16 colorIndex() const;
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 color);
    ACHAR* linetype() const;
    Acad::ErrorStatus setLinetype(const ACHAR* newVal);
    double linetypeScale() const;
    Acad::ErrorStatus setLinetypeScale(double newVal);
    // Copies layer, colour, linetype, linetype scale, line weight and
    // visibility from another entity. eOk; eNotOpenForWrite; eNullEntityPointer.
    Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* pEntity, bool doSubents = true);
    // Moves, turns and scales the entity. eOk; eNotOpenForWrite; eNotApplicable
    // for a type the host cannot transform.
    virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

protected:
    explicit AcDbEntity(const char* dxfType);
};

class AcDbDatabase : public AcRxObject {
public:
    // A side database: buildDefaultDrawing gives it the standard entries of a
    // new drawing; without them it is filled by readDwgFile. noDocument: it
    // belongs to no document (the host keeps every side database so).
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    enum OpenMode {
        kForReadAndReadShare = 1,
        kForReadAndWriteNoShare = 2,
        kForReadAndAllShare = 3,
        kTryForReadShare = 4
    };
    // Reads a drawing into a side database (whatever it held is replaced).
    // NAME.DWG is served by NAME.dxf. eOk; eFileNotFound; eDxfReadAborted for
    // a file that is no drawing; eNotApplicable for a document's database, one
    // read already, or one with objects open.
    Acad::ErrorStatus readDwgFile(const ACHAR* fileName, OpenMode openMode = kForReadAndReadShare,
                                  bool bAllowCPConversion = false,
                                  const wchar_t* wszPassword = nullptr);

    // Defines pDb's model space as the block pBlockName of this database,
    // with the layers, linetypes, text styles, dimension styles, registered
    // applications and nested blocks its entities use (existing ones of this
    // database are kept as they are). A block of that name is redefined.
    // pDb stays as it was. eOk with blockId; eInvalidInput for a null
    // database or the database itself; eInvalidBlockName for a name that is
    // no valid block name or names a layout; eSelfReference when pDb uses a
    // block of that name.
    Acad::ErrorStatus insert(AcDbObjectId& blockId, const ACHAR* pBlockName, AcDbDatabase* pDb,
                             bool preserveSourceDatabase = true);

    // The block table, opened in mode (close it). eOk; eWasOpenForWrite when
    // it is open for write already.
    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    AcDbObjectId blockTableId() const;

    // Host side.
    struct Imp;
    Imp* imp() const { return imp_.get(); }
    // A database object for a document's drawing (the host owns it).
    explicit AcDbDatabase(std::unique_ptr<Imp> documentImp);

private:
    std::unique_ptr<Imp> imp_;
};

// Opens the object with the id. eOk with pObj; eNullObjectId; eWasErased
// unless openErased; eWasOpenForWrite when it is open for write already, or
// eWasOpenForRead when opened for write while open for read.
Acad::ErrorStatus acdbOpenObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false);
// As acdbOpenObject; eNotAnEntity for an object that is no entity.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedEntity = false);

// As acdbOpenObject, for an object of class T; eNotThatKindOfClass (nothing
// open) when it is of another class.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) {
    pObj = nullptr;
    AcDbObject* obj = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(obj, id, mode, openErased);
    if (es != Acad::eOk)
        return es;
    pObj = T::cast(obj);
    if (pObj != nullptr)
        return Acad::eOk;
    obj->close();
    return Acad::eNotThatKindOfClass;
}

// The entity name (ads_name) of an object of a document's drawing, and back.
// eOk; eNullObjectId; eInvalidAdsName; eNotApplicable for a side database's object.
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);
