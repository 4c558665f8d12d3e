// Test drawings built group by group, without the entity API.
#pragma once

#include "host/db/database.h"
#include "host/geom/geom.h"

#include <string_view>
#include <vector>

namespace vma::test {

class Groups {
public:
    explicit Groups(std::string_view type) { g_.addText(0, type); }
    Groups& text(int code, std::string_view v) { return g_.addText(code, v), *this; }
    Groups& real(int code, double v) { return g_.addReal(code, v), *this; }
    Groups& integer(int code, int64_t v) { return g_.addInt(code, v), *this; }
    Groups& point(int code, double x, double y, double z = 0) {
        g_.addReal(code, x);
        g_.addReal(code + 10, y);
        g_.addReal(code + 20, z);
        return *this;
    }
    Groups& point2(int code, double x, double y) {
        g_.addReal(code, x);
        g_.addReal(code + 10, y);
        return *this;
    }
    const db::GroupList& list() const { return g_; }

private:
    db::GroupList g_;
};

db::EntityId add(db::Database& db, const Groups& g, uint32_t block = 0,
                 db::EntityId parent = db::kNoEntity);
uint32_t addBlock(db::Database& db, std::string_view name, double bx = 0, double by = 0);
void addLayer(db::Database& db, std::string_view name, int color, int flags = 0);

// The primitives of model space with the default options.
std::vector<geom::Primitive> draw(const db::Database& db);
double distance(const geom::Vec3& a, const geom::Vec3& b);

} // namespace vma::test
