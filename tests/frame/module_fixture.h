// Shared setup of the tests that load the built module VMAAPPS.ARX through
// the host's plug-in loader, as the CAD program would: a fresh session with
// one new drawing, a driver playing the user, and the user configuration of a
// test user beside the module (removed afterwards).
#pragma once

#include "adslib.h"
#include "frame/command_table.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"
#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vma::test {

class LoadedModule : public ::testing::Test {
protected:
    static std::filesystem::path moduleDir() {
        return std::filesystem::path(VMA_BINARY_DIR) / "vma";
    }
    static std::filesystem::path modulePath() { return moduleDir() / "VMAAPPS.ARX"; }
    // The user configuration of the test user: VMAUSER (catalogue line 6/2) + user
    // name, and ".INI" since a name longer than three letters is no extension.
    static std::filesystem::path userConfig() { return moduleDir() / "VMAUSER.FRAMETEST.INI"; }
    static std::filesystem::path systemConfig() { return moduleDir() / "VMAAPPS.INI"; }

    void SetUp() override {
        setenv("DVS", "FRAMETEST", 1);
        removeConfiguration();
        auto& session = host::Session::get();
        session.reset();
        session.profileDir() = profile.path();
        session.current();
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        unload();
        driver.reset();
        host::Session::get().reset();
        removeConfiguration();
        unsetenv("DVS");
    }

    void load() {
        auto loaded = arx::Loader::get().load(modulePath());
        ASSERT_TRUE(loaded.ok()) << loaded.error().message;
        module = loaded.value();
    }
    void unload() {
        if (module == nullptr)
            return;
        auto done = arx::Loader::get().unload(*module);
        EXPECT_TRUE(done.ok()) << done.error().message;
        module = nullptr;
        arx::Loader::get().collect();
    }

    // Runs a command by name as the command line would.
    void command(const wchar_t* name) {
        const input::CommandFn* fn = input::CommandRegistry::get().find(name);
        ASSERT_NE(fn, nullptr) << wideToUtf8(name);
        input::runCommand(name, *fn, false);
    }

    static void setVar(std::string_view name, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), name, v).ok()) << name;
    }
    static int getShort(const wchar_t* name) {
        resbuf value{};
        if (acedGetVar(name, &value) != RTNORM)
            return -1;
        return value.resval.rint;
    }

    size_t count(const std::wstring& text) const {
        size_t n = 0;
        for (size_t at = transcript().find(text); at != std::wstring::npos;
             at = transcript().find(text, at + 1))
            ++n;
        return n;
    }
    std::wstring transcript() const { return driver->transcript(); }

    TempDir profile;
    std::unique_ptr<input::Driver> driver;
    arx::Module* module = nullptr;

private:
    static void removeConfiguration() {
        std::error_code ec;
        std::filesystem::remove(userConfig(), ec);
    }
};

} // namespace vma::test
