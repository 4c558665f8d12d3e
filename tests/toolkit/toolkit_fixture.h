// Shared set-up of the toolkit tests: a fresh session with one new drawing
// whose command-line output is captured, the Windows and dialog stand-ins
// emptied, and the toolkit's module-wide state back to that of a fresh load.
#pragma once

#include "acdbads.h"
#include "acutads.h"
#include "adsdlg.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/runtime.h"
#include "host/win/answers.h"
#include "support/test_support.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_dcl_file.h"
#include "toolkit/dv_debug.h"
#include "toolkit/dv_store.h"

#include <gtest/gtest.h>
#include <string>

namespace vma::test {

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& session = host::Session::get();
        session.reset();
        session.open(nullptr);
        session.setOutput([this](std::wstring_view text) { transcript += text; });
        session.supportPath().push_back(dir.path());
        win::MessageBoxAnswers::get().clear();
        dcl::Runtime::get().reset();
        resetToolkit();
    }
    void TearDown() override {
        resetToolkit();
        dcl::Runtime::get().reset();
        host::Session::get().reset();
    }
    static void resetToolkit() {
        dv_catalogue_close();
        dv_store_drop(1);
        dv_reset_alert_titles();
        dv_debug_set_level(0);
        dv_set_trace_mode(0);
        dv_set_trace_file(nullptr);
        dv_set_dcl_id(-1);
    }
    bool said(std::wstring_view text) const { return transcript.find(text) != std::wstring::npos; }
    // Loads the module's own DCL file from the source tree.
    void loadModuleDialogs() {
        int id = -1;
        const std::wstring path = (sourceDir() / "resources" / "VMAAPPS.DCL").wstring();
        ASSERT_EQ(ads_load_dialog(path.c_str(), &id), RTNORM) << wideToUtf8(transcript);
        dv_set_dcl_id(id);
    }
    // A layer table entry made as a program makes one.
    static void makeLayer(const wchar_t* name) {
        resbuf* list = acutBuildList(RTDXF0, L"LAYER", 2, name, 70, 0, 62, 1, 6, L"CONTINUOUS", 0);
        ASSERT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
    }
    void answerDialog(const std::string& directive) {
        auto action = dcl::parseDirective(directive);
        ASSERT_TRUE(action.ok());
        dcl::Runtime::get().answers().push(action.value());
    }

    TempDir dir;
    std::wstring transcript;
};

} // namespace vma::test
