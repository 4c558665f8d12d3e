// Shared setup of the command tests: the input tests' session, drawing and
// driver, with the built-in commands installed, and helpers to run commands
// and read back what they made.
#pragma once

#include "acedCmdNF.h"
#include "host/cmd/builtins.h"
#include "host/db/ename.h"
#include "input/input_fixture.h"

#include <string>
#include <vector>

namespace vma::test {

class CommandTest : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        cmd::installBuiltins();
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
    static void name(db::EntityId id, ads_name out) { host::entityName(db(), id, out); }

    bool said(std::wstring_view text) const {
        return driver->transcript().find(text) != std::wstring::npos;
    }
};

} // namespace vma::test
