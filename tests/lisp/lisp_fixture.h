// Shared setup of the LISP tests: a fresh session with one drawing, output
// captured, and a table runner comparing printed results.
#pragma once

#include "host/db/session.h"
#include "host/lisp/lisp.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

struct LispCase {
    const wchar_t* text;
    const wchar_t* result; // prin1 form of the last value, or "; error: ..." printed
};

class LispTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().setOutput([this](std::wstring_view text) { printed += text; });
        host::Session::get().current();
    }
    void TearDown() override { host::Session::get().reset(); }

    // The printed result, or what was printed when the text failed.
    std::wstring run(std::wstring_view text) {
        printed.clear();
        std::wstring result = lisp::evaluateText(text);
        if (result.empty() && !printed.empty())
            return printed.substr(0, printed.find_last_not_of(L'\n') + 1);
        return result;
    }

    void check(std::initializer_list<LispCase> cases) {
        for (const auto& c : cases)
            EXPECT_EQ(run(c.text), c.result) << "input: " << wideToUtf8(c.text);
    }

    static std::string wideToUtf8(std::wstring_view w) { return std::string(w.begin(), w.end()); }

    std::wstring printed;
};

} // namespace vma::test
