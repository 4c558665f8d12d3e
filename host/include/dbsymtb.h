// The block table and its records: the definitions of a drawing's blocks,
// model space and paper space among them.
#pragma once

#include "dbmain.h"

#include <memory>
#include <vector>

class AcDbBlockTableRecord;

class AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
    // The record of that name (any case). eOk; eKeyNotFound (also for an
    // erased one unless getErasedRecord); eInvalidInput for a null name.
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& recordId,
                            bool getErasedRecord = false) const;
    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;

protected:
    using AcDbObject::AcDbObject;
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);
    using AcDbSymbolTable::getAt;
    // Opens the record of that name. eOk; eKeyNotFound; the errors of acdbOpenObject.
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbBlockTableRecord*& pRec,
                            AcDb::OpenMode openMode, bool openErasedRec = false) const;

    // Host side.
    AcDbBlockTable();
};

class AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
    // The name, valid while the record is open. eOk.
    Acad::ErrorStatus getName(const ACHAR*& pName) const;

protected:
    using AcDbObject::AcDbObject;
};

class AcDbBlockTableRecordIterator;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
    // An iterator over the block's entities in order (delete it when done).
    // eOk; eNotOpenForRead.
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
    // Adds a new entity to the block; it stays open for write (close it).
    // eOk with its id; eNotOpenForWrite; eNullEntityPointer; eAlreadyInDb;
    // eWrongObjectType for an attribute (append it to its reference).
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* pEntity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity);
    bool hasAttributeDefinitions() const;
    bool isLayout() const;
    bool isAnonymous() const;
    AcGePoint3d origin() const;

    // Host side.
    AcDbBlockTableRecord();
};

class AcDbBlockTableRecordIterator {
public:
    ~AcDbBlockTableRecordIterator();
    AcDbBlockTableRecordIterator(const AcDbBlockTableRecordIterator&) = delete;
    AcDbBlockTableRecordIterator& operator=(const AcDbBlockTableRecordIterator&) = delete;

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    // Opens the current entity. eOk; eIteratorDone past the end; the errors of acdbOpenObject.
    Acad::ErrorStatus getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode = AcDb::kForRead,
                                bool openErasedEntity = false) const;
    Acad::ErrorStatus getEntityId(AcDbObjectId& entityId) const;
    AcDbObjectId blockTableRecord() const { return block_; }

    // Host side: the block's main entities (erased ones marked).
    struct Item {
        AcDbObjectId id;
        bool erased = false;
    };
    AcDbBlockTableRecordIterator(AcDbObjectId block, std::vector<Item> items);

private:
    bool skipErased(bool forward);

    AcDbObjectId block_;
    std::vector<Item> items_;
    long pos_ = 0;
    bool skipDeleted_ = true;
};
