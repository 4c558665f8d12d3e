// Shared setup of the text, layer and insert command tests: a fresh session
// with one new drawing, the commands in the registry, a driver playing the
// user, and readers for what the commands left in the drawing.
#pragma once

#include "adslib.h"
#include "host/base/text.h"
#include "host/cmd/display.h"
#include "host/cmd/text_commands.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace vma::test {

class CmdTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().current();
        auto& registry = input::CommandRegistry::get();
        cmd::addTextCommands(registry);
        cmd::addLayerCommands(registry);
        cmd::addInsertCommands(registry);
        cmd::addDisplayCommands(registry);
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        driver.reset();
        host::Session::get().reset();
    }

    // A new drawing and driver, for the next case of a table.
    void restart() {
        TearDown();
        SetUp();
    }

    // Runs a command with the answers queued; "" is Enter.
    void run(std::wstring_view name, std::initializer_list<std::wstring> answers) {
        for (const std::wstring& a : answers)
            driver->type(a);
        const input::CommandFn* fn = input::CommandRegistry::get().find(name);
        ASSERT_NE(fn, nullptr) << wideToUtf8(name);
        input::runCommand(name, *fn, false);
    }

    db::Database& db() { return *host::Session::get().current().db; }

    // Main entities of model space of the given type, in order.
    std::vector<const db::Entity*> entities(std::string_view type, uint32_t block = 0) {
        std::vector<const db::Entity*> out;
        for (db::EntityId id : db().block(block).entities) {
            const db::Entity& e = db().entity(id);
            if (!e.erased && e.type() == type)
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
    void setVar(std::string_view name, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), name, v).ok()) << name;
    }

    bool said(std::wstring_view text) const {
        return driver->transcript().find(text) != std::wstring::npos;
    }

    std::unique_ptr<input::Driver> driver;
};

// x, y and z of a point group.
inline std::array<double, 3> pointOf(const db::GroupList& g, int code) {
    return {g.findReal(code).value_or(0), g.findReal(code + 10).value_or(0),
            g.findReal(code + 20).value_or(0)};
}

} // namespace vma::test
