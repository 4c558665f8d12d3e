// Shared setup of the undo, UCS and document command tests: a fresh session
// with one new drawing, the built-in commands, a driver playing the user,
// and small commands of the test's own that change the drawing in one way each.
#pragma once

#include "adslib.h"
#include "host/base/text.h"
#include "host/cmd/builtins.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vma::test {

class DocumentCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().current();
        cmd::installBuiltins();
        input::CommandRegistry::get().add(L"TESTLINE", [] { line(0, 0, 10, 0); });
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        driver.reset();
        host::Session::get().reset();
    }

    // A fresh session and driver, for table-driven cases.
    void restart() {
        TearDown();
        SetUp();
    }

    // Runs a command with its answers queued first, as a script line would.
    void run(std::wstring_view name, const std::vector<std::wstring>& answers = {}) {
        for (const auto& a : answers)
            driver->type(a);
        const input::CommandFn* fn = input::CommandRegistry::get().find(name);
        ASSERT_NE(fn, nullptr) << "no command " << std::string(name.begin(), name.end());
        input::runCommand(name, *fn, true);
        EXPECT_EQ(driver->pending(), 0u)
            << "answers left after " << std::string(name.begin(), name.end());
    }

    // A command of the test's own, run once.
    void runOwn(std::wstring_view name, input::CommandFn fn) { input::runCommand(name, fn, true); }

    static host::Session& session() { return host::Session::get(); }
    static db::Database& db() { return *session().current().db; }

    static void line(double x1, double y1, double x2, double y2) {
        ads_point a = {x1, y1, 0}, b = {x2, y2, 0};
        host::RbList list(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 0));
        ASSERT_EQ(acdbEntMake(list.get()), RTNORM);
    }

    // Top-level entities not erased.
    static size_t liveEntities() {
        size_t n = 0;
        for (size_t i = 0; i < db().entityCount(); ++i) {
            const auto& e = db().entity(static_cast<db::EntityId>(i));
            n += !e.erased && e.parent == db::kNoEntity ? 1 : 0;
        }
        return n;
    }

    static int64_t intVar(std::string_view name) {
        auto v = host::getSysvar(session(), name);
        return v.ok() ? v->integer : -999;
    }

    // acedTrans of a point between the current UCS (1) and the WCS (0).
    static std::array<double, 3> ucsToWorld(double x, double y, double z = 0) {
        return trans(x, y, z, 1, 0);
    }
    static std::array<double, 3> worldToUcs(double x, double y, double z = 0) {
        return trans(x, y, z, 0, 1);
    }

    std::wstring transcript() const { return driver->transcript(); }

    std::unique_ptr<input::Driver> driver;

private:
    static std::array<double, 3> trans(double x, double y, double z, short from, short to) {
        ads_point in = {x, y, z}, out = {};
        resbuf f{}, t{};
        f.restype = t.restype = RTSHORT;
        f.resval.rint = from;
        t.resval.rint = to;
        EXPECT_EQ(acedTrans(in, &f, &t, 0, out), RTNORM);
        return {out[0], out[1], out[2]};
    }
};

} // namespace vma::test
