// Shared setup of the frame tests that run the module's code inside the test
// program: a fresh session with one drawing, a driver playing the user, and
// the application object made as kInitAppMsg makes it, with the built
// catalogue open.
#pragma once

#include "adslib.h"
#include "frame/app.h"
#include "frame/command_hooks.h"
#include "frame/command_table.h"
#include "frame/drawing_data.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"

#include <gtest/gtest.h>
#include <memory>

namespace vma::test {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().current();
        driver = std::make_unique<input::Driver>();
        std::wstring catalogue = utf8ToWide(VMA_BINARY_DIR "/vma/VMAAPPS.TXT");
        ASSERT_EQ(dv_catalogue_open(catalogue.c_str(), 3, 0), 0);
        DvArxApp& app = dv_app_create(dv_command_table(), L"VMAAPPS", L"34", L"", 3, 1);
        app.preHook = dv_pre_command_hook;
        app.postHook = dv_post_command_hook;
        vma_drawing_data_defaults();
    }
    void TearDown() override {
        dv_app_unregister(*dv_app());
        dv_app_destroy();
        dv_catalogue_close();
        vma_drawing_data_free_all();
        dv_store_drop(1);
        driver.reset();
        host::Session::get().reset();
    }

    static void setVar(std::string_view name, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), name, v).ok()) << name;
    }
    static void setShort(std::string_view name, int v) {
        setVar(name, host::SysvarValue::ofShort(v));
    }
    static int getShort(const wchar_t* name) {
        int value = -1;
        dv_get_sysvar_int(name, value);
        return value;
    }
    static std::wstring getText(const wchar_t* name) {
        std::wstring value;
        dv_get_sysvar_string(name, value);
        return value;
    }
    static void makeLayer(const wchar_t* name) {
        host::RbList layer(
            acutBuildList(RTDXF0, L"LAYER", 2, name, 70, 0, 62, 1, 6, L"CONTINUOUS", 0));
        ASSERT_EQ(acdbEntMake(layer.get()), RTNORM) << name;
    }

    std::wstring transcript() const { return driver->transcript(); }

    std::unique_ptr<input::Driver> driver;
};

} // namespace vma::test
