// Selection sets of the session (acedSSGet and friends). An application may
// hold at most 128 open sets; each is an ordered list of entities of one
// database. The session also keeps, per document, the previous set (the last
// one selected) and the implied set (what was picked before the command).
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"

#include <cstdint>
#include <map>
#include <unordered_set>
#include <vector>

namespace vma::host {

// Entities of one database in the order they were selected, each once.
class Selection {
public:
    Selection() = default;
    Selection(int64_t serial, std::vector<db::EntityId> members);

    // The serial of the database the members belong to; 0 while none was added.
    int64_t serial() const { return serial_; }
    const std::vector<db::EntityId>& members() const { return members_; }
    size_t size() const { return members_.size(); }
    bool empty() const { return members_.empty(); }
    bool contains(db::EntityId id) const { return index_.count(id) != 0; }

    // False when the entity belongs to another database than the members.
    bool add(int64_t serial, db::EntityId id);
    // False when the entity is no member.
    bool remove(db::EntityId id);

private:
    int64_t serial_ = 0;
    std::vector<db::EntityId> members_;
    std::unordered_set<db::EntityId> index_;
};

class SelectionSets {
public:
    static constexpr size_t kMaxOpen = 128;

    // The id of the new set; an error when kMaxOpen sets are open.
    ErrorOr<int64_t> open(Selection selection);
    // nullptr for an unknown or freed id.
    Selection* find(int64_t id);
    // False for an unknown or freed id.
    bool close(int64_t id);
    size_t openCount() const { return open_.size(); }

    // The previous set of the database with that serial (empty when there is none).
    const Selection& previous(int64_t serial) const;
    void setPrevious(Selection selection);
    // The implied (pickfirst) set of the database with that serial.
    const Selection& implied(int64_t serial) const;
    void setImplied(Selection selection);
    void clearImplied(int64_t serial);

private:
    std::map<int64_t, Selection> open_;
    int64_t nextId_ = 1;
    std::map<int64_t, Selection> previous_; // by database serial
    std::map<int64_t, Selection> implied_;
};

} // namespace vma::host
