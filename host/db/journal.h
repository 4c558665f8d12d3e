// Every change to a drawing database passes through its journal hook, with the
// state before the change, so that undo can be built on top of it.
#pragma once

#include "host/db/group.h"

#include <cstdint>
#include <string>

namespace vma::db {

enum class TableKind : uint8_t;

struct Change {
    enum class Kind : uint8_t {
        EntityAdded,    // target: entity; before: empty
        EntityModified, // target: entity; before: its old groups
        EntityErased,   // target: entity
        EntityUnerased, // target: entity
        RecordAdded,    // target: table record
        RecordModified, // target: table record; before: its old groups
        BlockAdded,     // target: block index
        HeaderChanged,  // name: the variable; before: its old value (empty when new)
    };
    Kind kind;
    uint32_t target = 0;
    TableKind table{};
    std::string name;
    GroupList before;
};

class Journal {
public:
    virtual ~Journal() = default;
    virtual void record(const Change& change) = 0;
};

} // namespace vma::db
