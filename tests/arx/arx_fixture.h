// Shared setup of the plug-in tests: a fresh session with one drawing, the
// command line captured, the ARX commands installed, and the test module
// (tests/plugin, built as libtestarx.so) at hand.
#pragma once

#include "host/arx/by_name.h"
#include "host/arx/commands.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/runtime.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "host/lisp/lisp.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vma::test {

inline std::wstring pluginPath() {
    return utf8ToWide(TESTARX_PATH);
}

class ArxTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session& session = host::Session::get();
        session.reset();
        session.setOutput([this](std::wstring_view text) { printed += text; });
        input::Engine::get().reset();
        input::CommandRegistry::get().clear();
        dcl::Runtime::get().reset();
        arx::installCommands();
        session.open(nullptr);
    }
    void TearDown() override {
        arx::Loader::get().shutdown();
        input::Engine::get().reset();
        host::Session::get().reset();
    }

    arx::Module* load() {
        auto loaded = arx::loadModule(pluginPath());
        EXPECT_TRUE(loaded.ok()) << (loaded.ok() ? "" : loaded.error().message);
        return loaded.ok() ? loaded.value() : nullptr;
    }

    // Runs script text; what it printed.
    std::wstring script(std::string_view text) {
        printed.clear();
        auto ran = input::runScript(text);
        EXPECT_TRUE(ran.ok());
        return printed;
    }

    std::wstring lisp(std::wstring_view text) {
        printed.clear();
        std::wstring result = lisp::evaluateText(text);
        if (result.empty() && !printed.empty())
            return printed.substr(0, printed.find_last_not_of(L'\n') + 1);
        return result;
    }

    // The "[testarx] ..." lines printed, without the prefix, in order.
    std::vector<std::wstring> reports() const {
        std::vector<std::wstring> out;
        const std::wstring prefix = L"[testarx] ";
        size_t at = 0;
        while ((at = printed.find(prefix, at)) != std::wstring::npos) {
            size_t end = printed.find(L'\n', at);
            out.push_back(printed.substr(at + prefix.size(), end - at - prefix.size()));
            at = end;
        }
        return out;
    }

    std::wstring printed;
};

} // namespace vma::test
