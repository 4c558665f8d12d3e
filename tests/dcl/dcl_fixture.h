// Shared set-up of the dialog tests: a fresh session whose transcript is
// captured, a temporary folder on the support path, and DCL files written there.
#pragma once

#include "adsdlg.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/runtime.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

class DclTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        dcl::Runtime::get().reset();
        host::Session::get().supportPath().push_back(dir.path());
        host::Session::get().setOutput(
            [this](std::wstring_view text) { transcript += wideToUtf8(text); });
    }
    void TearDown() override {
        dcl::Runtime::get().reset();
        host::Session::get().reset();
    }

    int load(const std::string& name, const std::string& text) {
        writeFile(dir / name, text);
        int id = -1;
        EXPECT_EQ(ads_load_dialog(utf8ToWide(name).c_str(), &id), RTNORM) << transcript;
        return id;
    }
    void answer(const std::string& line) {
        auto action = dcl::parseDirective(line);
        ASSERT_TRUE(action.ok()) << action.error().message;
        dcl::Runtime::get().answers().push(action.value());
    }
    bool said(const std::string& text) const { return transcript.find(text) != std::string::npos; }

    TempDir dir;
    std::string transcript;
};

// A tile's value through the C interface.
inline std::string tileValue(ads_hdlg hdlg, const wchar_t* key) {
    wchar_t buffer[TILE_STR_LIMIT];
    if (ads_get_tile(hdlg, key, buffer, TILE_STR_LIMIT) != RTNORM)
        return "<error>";
    return wideToUtf8(buffer);
}

} // namespace vma::test
