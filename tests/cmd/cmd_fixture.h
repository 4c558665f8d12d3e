// Shared setup of the command tests: a fresh session with one new drawing,
// the built-in commands installed, a driver playing the user, and helpers to
// run commands and read back what they made.
#pragma once

#include "acedCmdNF.h"
#include "adslib.h"
#include "host/cmd/builtins.h"
#include "host/db/ename.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vma::test {

class CommandTest : public ::testing::Test {
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

    static db::Database& db() { return *host::Session::get().current().db; }

    // Runs a command of the registry with the driver's queued answers.
    void run(std::wstring_view name) {
        const input::CommandFn* fn = input::CommandRegistry::get().find(name);
        ASSERT_NE(fn, nullptr) << "no command";
        input::runCommand(name, *fn, false);
    }
    // Queues the answers, then runs the command.
    void run(std::wstring_view name, const std::vector<std::wstring>& answers) {
        for (const auto& a : answers)
            driver->type(a);
        run(name);
    }

    // Live main entities of model space, oldest first.
    static std::vector<db::EntityId> entities() {
        std::vector<db::EntityId> ids;
        for (db::EntityId id : db().block(db().modelSpace()).entities) {
            const db::Entity& e = db().entity(id);
            if (!e.erased && e.parent == db::kNoEntity)
                ids.push_back(id);
        }
        return ids;
    }
    static const db::GroupList& groups(db::EntityId id) { return db().entity(id).groups; }
    static double real(db::EntityId id, int code) {
        return groups(id).findReal(code).value_or(-12345);
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
    static void name(db::EntityId id, ads_name out) { host::entityName(db(), id, out); }

    // One drawing unit per pixel, so pick boxes count in units.
    void unitPixels() {
        setVar("VIEWSIZE", host::SysvarValue::ofReal(1080));
        setVar("PICKBOX", host::SysvarValue::ofShort(2));
    }
    void setVar(std::string_view n, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), n, v).ok()) << n;
    }

    std::wstring transcript() const { return driver->transcript(); }
    bool said(std::wstring_view text) const {
        return driver->transcript().find(text) != std::wstring::npos;
    }

    std::unique_ptr<input::Driver> driver;
};

} // namespace vma::test
