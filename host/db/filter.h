// Selection filters: the DXF-group lists acedSSGet takes, parsed once into a
// tree and tested on each candidate entity's groups.
//
// Each (code . value) item is an implied equality; a (-4 . "op") item gives
// the next one a relational operator, and (-4 . "<AND") ... (-4 . "AND>") (OR,
// XOR with two operands, NOT with one) group items. Strings are wildcard
// patterns, compared without regard to case as the CAD program compares
// entity types, layer and other names. (-3) followed by 1001 application names
// asks for extended data of every one of them. Groups an entity leaves out
// compare as their defaults (colour 256, linetype BYLAYER, space by the owner).
// Entity names (-1), handles (5), owner pointers and extended-data groups are
// not filtered on: the CAD program ignores them in a filter list.
#pragma once

#include "adsdef.h"
#include "host/base/error.h"
#include "host/db/database.h"

#include <memory>

namespace vma::host {

struct FilterNode;

class Filter {
public:
    // The filter of a list; nullptr gives one every entity passes. An error
    // for unbalanced groups, a wrong operand count, an unknown operator or an
    // operator the value's type does not allow.
    static ErrorOr<Filter> parse(const resbuf* list);

    bool matches(const db::Database& db, db::EntityId id) const;

private:
    explicit Filter(std::shared_ptr<const FilterNode> root) : root_(std::move(root)) {}

    std::shared_ptr<const FilterNode> root_;
};

} // namespace vma::host
