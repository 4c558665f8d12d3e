// Result-buffer chains at the ADS edge: an owner that frees them, and the
// conversions between a stored group list and the list acdbEntGet gives out.
// Points travel as one resbuf (the database keeps x, y and z as three groups),
// handle references as entity names, extended data after a -3 sentinel.
#pragma once

#include "adsdef.h"
#include "host/base/error.h"
#include "host/db/database.h"
#include "host/db/ename.h"

#include <optional>
#include <string_view>

namespace vma::host {

// How a result buffer holds its value, from its restype: an RT code, or a DXF
// group code in entity, table, extended-data and filter lists.
enum class RbKind { None, Real, Point, Short, Long, Int64, Text, Name, Binary, Unknown };
RbKind rbKind(int restype);

// Group codes whose value is a point (10-18, 110-112, 210, 1010-1013).
bool isPointCode(int code);
// Group codes that refer to another object by handle (320-369, 390-399, 480).
bool isHandleRefCode(int code);

// Owns a chain and releases it with acutRelRb; append keeps the chain's order.
class RbList {
public:
    RbList() = default;
    explicit RbList(resbuf* head);
    ~RbList();
    RbList(RbList&& other) noexcept;
    RbList& operator=(RbList&& other) noexcept;
    RbList(const RbList&) = delete;
    RbList& operator=(const RbList&) = delete;

    resbuf* get() const { return head_; }
    // Gives the chain to the caller.
    resbuf* release();
    // Takes ownership of rb (and whatever follows it).
    void append(resbuf* rb);
    resbuf* appendNew(int restype);
    void appendText(int code, std::string_view utf8);
    void appendName(int code, const ads_name name);

private:
    resbuf* head_ = nullptr;
    resbuf* tail_ = nullptr;
};

// The name of the object with handle h in db (entity, block or table record), if any.
std::optional<ObjectRef> objectByHandle(const db::Database& db, db::Handle h);
void nameOf(const ObjectRef& ref, ads_name out);
db::Handle handleOf(const ObjectRef& ref);

// Appends groups [begin, end) of a stored list of an object of the given type
// (entity type or table name) as result buffers: points merged, handle
// references as names (a reference to nothing nameable is left out), angles in
// radians.
void appendGroups(RbList& out, const db::Database& db, std::string_view type,
                  const db::GroupList& groups, size_t begin, size_t end);

// Index of the first extended-data group (1001) of a stored list; its size when none.
size_t xdataStart(const db::GroupList& groups);

// Appends the extended data of a stored list for the applications matching one
// of the wildcard patterns in apps (RTSTR buffers; nullptr: none): the -3
// sentinel, then each application's 1001 group and its data. Nothing when no
// application matches.
void appendXdata(RbList& out, const db::Database& db, const db::GroupList& groups,
                 const resbuf* apps);

// The list acdbEntGet gives for an entity, block or table record: (-1 . name)
// (0 . type) (330 . owner) (5 . handle), the groups with their subclass
// markers, then the extended data of the applications matching apps (none
// when apps is nullptr).
RbList objectList(const ObjectRef& ref, const resbuf* apps);

// A list coming in through acdbEntMake or acdbEntMod, as groups the database keeps.
// The -3 sentinel only announces the extended data, which follows as groups.
struct IncomingList {
    std::optional<ObjectRef> named; // the -1 group, when it names an object of the drawing
    db::GroupList groups;           // group 0 first when given; extended data at the end
};

// Converts a chain, angles from radians to the degrees the database keeps (the
// type is group 0, or the named object's when the list has none); refuses (with the ERRNO value in
// the error's code) names of other drawings, values of the wrong kind and text that is not valid.
ErrorOr<IncomingList> readList(const resbuf* list, const db::Database& db);

} // namespace vma::host
