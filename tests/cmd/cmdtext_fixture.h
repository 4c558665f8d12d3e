// Shared setup of the text, layer and insert command tests: the command
// tests' session, drawing, driver and built-in commands, with readers for the
// entities, layers and variables those commands leave.
#pragma once

#include "cmd/cmd_fixture.h"
#include "host/base/text.h"
#include "host/cmd/display.h"
#include "host/sysvar/access.h"

#include <array>
#include <string>
#include <vector>

namespace vma::test {

class CmdTextTest : public CommandTest {
protected:
    // A new drawing and driver, for the next case of a table.
    void restart() {
        TearDown();
        SetUp();
    }

    // Live main entities of a block (model space by default) of the given type, in order.
    std::vector<const db::Entity*> entities(std::string_view type, uint32_t block = 0) {
        std::vector<const db::Entity*> out;
        for (db::EntityId id : db().block(block).entities) {
            const db::Entity& e = db().entity(id);
            if (!e.erased && e.type() == type && e.parent == db::kNoEntity)
                out.push_back(&e);
        }
        return out;
    }

    const db::GroupList& layer(std::string_view name) {
        auto index = db().findRecord(db::TableKind::Layer, name);
        EXPECT_TRUE(index.has_value()) << name;
        return db().record(db::TableKind::Layer, index.value_or(0)).groups;
    }

    std::string textVar(std::string_view name) {
        return host::getSysvar(host::Session::get(), name)->text;
    }
    double realVar(std::string_view name) {
        return host::getSysvar(host::Session::get(), name)->real;
    }
};

// x, y and z of a point group.
inline std::array<double, 3> pointOf(const db::GroupList& g, int code) {
    return {g.findReal(code).value_or(0), g.findReal(code + 10).value_or(0),
            g.findReal(code + 20).value_or(0)};
}

} // namespace vma::test
