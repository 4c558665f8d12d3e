// Shared setup of the DIM, HATCH and EXTEND tests, on top of the command
// tests' fixture: variables set and read by name, entities of one type,
// the content of a block, arcs, and points read back from group lists.
#pragma once

#include "cmd_fixture.h"

#include <array>
#include <limits>

namespace vma::test {

class DraftingTest : public CommandTest {
protected:
    // Queues the answers, one each.
    void answers(std::initializer_list<std::wstring> typed) {
        for (const auto& t : typed)
            driver->type(t);
    }

    void setShort(std::string_view n, int v) { setVar(n, host::SysvarValue::ofShort(v)); }
    void setReal(std::string_view n, double v) { setVar(n, host::SysvarValue::ofReal(v)); }
    host::SysvarValue var(std::string_view n) {
        auto v = host::getSysvar(host::Session::get(), n);
        EXPECT_TRUE(v.ok()) << n;
        return v.ok() ? v.value() : host::SysvarValue{};
    }

    // Live model-space entities of a type, oldest first.
    static std::vector<db::EntityId> entities(std::string_view type) {
        std::vector<db::EntityId> out;
        for (db::EntityId id : CommandTest::entities())
            if (db().entity(id).type() == type)
                out.push_back(id);
        return out;
    }

    // The entities of a type in a block.
    static std::vector<const db::GroupList*> blockContent(std::string_view block,
                                                          std::string_view type) {
        std::vector<const db::GroupList*> out;
        auto index = db().findBlock(block);
        if (!index)
            return out;
        for (db::EntityId id : db().block(*index).entities)
            if (db().entity(id).type() == type)
                out.push_back(&db().entity(id).groups);
        return out;
    }

    // Angles in degrees; entmake takes radians.
    static void arc(double x, double y, double r, double from, double to) {
        ads_point c = {x, y, 0};
        constexpr double kRadians = 3.14159265358979323846 / 180.0;
        make(
            acutBuildList(RTDXF0, L"ARC", 10, c, 40, r, 50, from * kRadians, 51, to * kRadians, 0));
    }
};

// The point of groups code, code+10, code+20 (NaN where missing).
inline std::array<double, 3> pointOf(const db::GroupList& g, int code) {
    constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();
    return {g.findReal(code).value_or(kMissing), g.findReal(code + 10).value_or(kMissing),
            g.findReal(code + 20).value_or(0.0)};
}

} // namespace vma::test
