// A fresh host profile per test, the transcript captured, and the Windows
// stand-ins back to the state of a new run.
#pragma once

#include "host/db/session.h"
#include "host/win/answers.h"
#include "host/win/keyboard.h"
#include "host/win/registry.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

class WinTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& session = host::Session::get();
        session.reset();
        session.profileDir() = profile_.path();
        session.setOutput([this](std::wstring_view text) { transcript_ += text; });
        win::Registry::get().unload();
        win::MessageBoxAnswers::get().clear();
        win::Keyboard::get().clear();
    }
    void TearDown() override {
        win::Registry::get().unload();
        host::Session::get().reset();
    }
    bool said(std::wstring_view text) const { return transcript_.find(text) != std::wstring::npos; }

    TempDir profile_;
    std::wstring transcript_;
};

} // namespace vma::test
