// The host side of the object model: what an object id stands for, what an
// open object holds, and what a database object wraps. Objects map onto the
// drawing database's group lists: an open object holds a copy of its groups
// and close() writes a changed copy back through the database, so the
// journal sees every change.
#pragma once

#include "dbents.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "host/db/database.h"
#include "host/db/session.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// What an AcDbObjectId names: the block table, a block (record), a record
// of another symbol table (a text style), or an entity. An entity appended but not yet closed has
// its handle reserved and no entity id until its close() adds it.
struct AcDbStub {
    enum class Kind { BlockTable, Block, Record, Entity };
    AcDbDatabase* database = nullptr;
    Kind kind = Kind::Entity;
    vma::db::TableKind table = vma::db::TableKind::Style; // of a record
    uint32_t index = vma::db::kNoEntity;                  // block, record or entity index
    vma::db::Handle handle = 0;
    int readers = 0;
    bool writer = false;
};

struct AcDbImpObject {
    std::string type;         // DXF type: INSERT, ATTRIB, ATTDEF, TEXT, ... BLOCK_RECORD, TABLE
    AcDbStub* stub = nullptr; // null while the object is new
    AcDb::OpenMode mode = AcDb::kForWrite;
    bool changed = false;
    bool erasing = false;
    bool pending = false; // appended to a block, added to the drawing at close()
    uint32_t block = 0;   // the block it goes into while pending
    vma::db::GroupList groups;
    // A reference's attributes appended before it was added to the drawing:
    // the ones still open, and the groups of those closed since.
    std::vector<AcDbAttribute*> openAttributes;
    std::vector<std::pair<AcDbStub*, vma::db::GroupList>> closedAttributes;
    AcDbBlockReference* parent = nullptr; // an attribute's reference until it is added
    AcDbStub* blockRecord = nullptr;      // a reference's block, once set
    mutable std::wstring text;            // the last string handed out as const ACHAR*
};

struct AcDbDatabase::Imp {
    AcDbDatabase* self = nullptr;
    vma::db::Database* db = nullptr;
    std::unique_ptr<vma::db::Database> owned; // a side database's drawing
    bool document = false;
    bool read = false;
    std::deque<AcDbStub> stubs;
    std::map<std::tuple<int, int, uint32_t>, AcDbStub*> byIndex;

    AcDbStub* stub(AcDbStub::Kind kind, uint32_t index,
                   vma::db::TableKind table = vma::db::TableKind::Style);
    AcDbStub* pendingStub(vma::db::Handle handle);
};

namespace vma::arx {

// An entity of a type the object model has no class for: its common properties only.
class OtherEntity : public AcDbEntity {
public:
    explicit OtherEntity(const std::string& type) : AcDbEntity(type.c_str()) {}
};

// A record of a symbol table other than the block table.
class OtherRecord : public AcDbSymbolTableRecord {
public:
    OtherRecord() : AcDbSymbolTableRecord("RECORD") {}
};

// The database object of a document's drawing (made on first use, dropped when it closes).
AcDbDatabase* documentDatabase(host::Document& doc);
// The document a database object belongs to; nullptr for a side database.
host::Document* documentOf(const AcDbDatabase* database);

// Texts at the API edge.
std::string utf8(const ACHAR* text);
std::wstring wide(std::string_view text);
ACHAR* newString(std::string_view text); // freed with acutDelString

// The imp of an object (never null).
AcDbImpObject& imp(const AcDbObject* object);
db::Database& drawing(const AcDbStub* stub);
// Whether writes are allowed: a new object or one open for write.
bool writable(const AcDbObject* object);
// A changed value: Acad::eNotOpenForWrite unless writable, else marks it changed.
Acad::ErrorStatus touch(const AcDbObject* object);

// Opens the object a stub names as the class for its type.
Acad::ErrorStatus openStub(AcDbObject*& out, AcDbStub* stub, AcDb::OpenMode mode, bool openErased);

// Adds a pending entity (and a reference's attributes with their SEQEND) to the drawing.
void commitPending(AcDbEntity* entity);

// Points and vectors of group lists (codes 10/20/30 and the like). Points
// of texts and references are stored in the object coordinate system of their
// normal (210): worldPoint and setWorldPoint convert.
AcGePoint3d pointAt(const db::GroupList& groups, int code);
void setPoint(db::GroupList& groups, int code, const AcGePoint3d& p);
AcGeVector3d normalOf(const db::GroupList& groups);
AcGePoint3d worldPoint(const db::GroupList& groups, int code);
void setWorldPoint(db::GroupList& groups, int code, const AcGePoint3d& p);
// The world direction of an angle (radians) in the plane of a normal, and back.
AcGeVector3d directionInPlane(const AcGeVector3d& normal, double angle);
double angleInPlane(const AcGeVector3d& normal, const AcGeVector3d& direction);

} // namespace vma::arx
