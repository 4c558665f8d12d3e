// The identity of an object in a drawing database. It stays valid while the
// database exists; a null id names nothing.
#pragma once

#include "adesk.h"

class AcDbDatabase;
struct AcDbStub;

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* stub) : stub_(stub) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return stub_ == nullptr; }
    void setNull() { stub_ = nullptr; }
    // Not null and naming an object that is not erased.
    bool isValid() const;
    bool isErased() const;
    // The database of the object; nullptr for a null id.
    AcDbDatabase* database() const;
    // The object's handle as a number; 0 for a null id.
    Adesk::UInt64 handle() const;
    AcDbStub* stub() const { return stub_; }

    bool operator==(const AcDbObjectId& id) const { return stub_ == id.stub_; }
    bool operator!=(const AcDbObjectId& id) const { return stub_ != id.stub_; }
    bool operator<(const AcDbObjectId& id) const;

private:
    AcDbStub* stub_ = nullptr;
};
