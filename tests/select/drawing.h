// A fresh session with one drawing whose entities the tests know by a letter.
#pragma once

#include "host/db/database.h"
#include "host/db/ename.h"
#include "host/db/session.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vma::test {

class Drawing {
public:
    Drawing();

    db::Database& db() { return *doc_->db; }
    host::Document& doc() { return *doc_; }

    // A main entity of the block (model space by default) with type and layer.
    db::Entity entity(std::string_view type, std::string_view layer = "0", uint32_t block = 0);
    db::EntityId add(char label, db::Entity e);
    void name(char label, ads_name out);

    // The letters of the entities, in the given order ('?' for one not labelled).
    std::string labels(const std::vector<db::EntityId>& ids) const;
    // The letters of a selection set's members in set order.
    std::string labels(const ads_name ss);

private:
    host::Document* doc_;
    std::map<db::EntityId, char> labels_;
    std::map<char, db::EntityId> ids_;
};

void addPoint(db::GroupList& groups, int code, double x, double y, double z = 0);

} // namespace vma::test
