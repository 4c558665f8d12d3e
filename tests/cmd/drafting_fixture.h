// Shared setup of the DIM, HATCH and EXTEND tests: a fresh session with one
// new drawing, the commands registered, a driver playing the user, and
// helpers to read back what the commands made.
#pragma once

#include "adslib.h"
#include "host/cmd/builtins.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vma::test {

class DraftingTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().current();
        cmd::installBuiltins();
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        driver.reset();
        host::Session::get().reset();
    }

    db::Database& db() { return *host::Session::get().current().db; }

    // Runs a command with the answers queued so far.
    void run(std::wstring_view name) {
        const input::CommandFn* fn = input::CommandRegistry::get().find(name);
        ASSERT_NE(fn, nullptr) << "no command";
        input::runCommand(name, *fn, false);
    }
    // Queues the answers, one each.
    void answers(std::initializer_list<std::wstring> typed) {
        for (const auto& t : typed)
            driver->type(t);
    }

    void setVar(std::string_view name, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), name, v).ok()) << name;
    }
    void setShort(std::string_view name, int v) { setVar(name, host::SysvarValue::ofShort(v)); }
    void setReal(std::string_view name, double v) { setVar(name, host::SysvarValue::ofReal(v)); }
    void setText(std::string_view name, std::string v) {
        setVar(name, host::SysvarValue::ofText(std::move(v)));
    }
    host::SysvarValue var(std::string_view name) {
        auto v = host::getSysvar(host::Session::get(), name);
        EXPECT_TRUE(v.ok()) << name;
        return v.ok() ? v.value() : host::SysvarValue{};
    }

    // Model-space entities of a type (not erased), in creation order.
    std::vector<db::EntityId> entities(std::string_view type) {
        std::vector<db::EntityId> out;
        for (db::EntityId id : db().block(db().modelSpace()).entities)
            if (!db().entity(id).erased && db().entity(id).type() == type)
                out.push_back(id);
        return out;
    }
    const db::GroupList& groups(db::EntityId id) { return db().entity(id).groups; }

    // The entities of a block of a type.
    std::vector<const db::GroupList*> blockContent(std::string_view block, std::string_view type) {
        std::vector<const db::GroupList*> out;
        auto index = db().findBlock(block);
        if (!index)
            return out;
        for (db::EntityId id : db().block(*index).entities)
            if (db().entity(id).type() == type)
                out.push_back(&db().entity(id).groups);
        return out;
    }

    static void make(resbuf* list) {
        host::RbList owner(list);
        ASSERT_EQ(acdbEntMake(owner.get()), RTNORM);
    }
    static void line(double x1, double y1, double x2, double y2) {
        ads_point a = {x1, y1, 0}, b = {x2, y2, 0};
        make(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 0));
    }
    static void circle(double x, double y, double r) {
        ads_point c = {x, y, 0};
        make(acutBuildList(RTDXF0, L"CIRCLE", 10, c, 40, r, 0));
    }
    // Angles in degrees; entmake takes radians.
    static void arc(double x, double y, double r, double from, double to) {
        ads_point c = {x, y, 0};
        constexpr double kRadians = 3.14159265358979323846 / 180.0;
        make(
            acutBuildList(RTDXF0, L"ARC", 10, c, 40, r, 50, from * kRadians, 51, to * kRadians, 0));
    }

    std::wstring transcript() const { return driver->transcript(); }

    std::unique_ptr<input::Driver> driver;
};

// The point of groups code, code+10, code+20.
inline std::array<double, 3> pointOf(const db::GroupList& g, int code) {
    return {g.findReal(code).value_or(NAN), g.findReal(code + 10).value_or(NAN),
            g.findReal(code + 20).value_or(0)};
}

} // namespace vma::test
