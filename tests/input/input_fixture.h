// Shared setup of the input tests: a fresh session with one new drawing, a
// driver playing the user, and helpers to draw entities and set variables.
#pragma once

#include "adslib.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/input/driver.h"
#include "host/sysvar/access.h"

#include <gtest/gtest.h>
#include <memory>

namespace vma::test {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::Session::get().reset();
        host::Session::get().current();
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        driver.reset();
        host::Session::get().reset();
    }

    void setVar(std::string_view name, const host::SysvarValue& v) {
        ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), name, v).ok()) << name;
    }
    void setShort(std::string_view name, int v) { setVar(name, host::SysvarValue::ofShort(v)); }
    void setReal(std::string_view name, double v) { setVar(name, host::SysvarValue::ofReal(v)); }

    // Makes one pixel one drawing unit: apertures and pick boxes count in units.
    void unitPixels() {
        setVar("VIEWSIZE", host::SysvarValue::ofReal(1080));
        setShort("APERTURE", 2);
        setShort("PICKBOX", 2);
    }

    // acdbEntMake of an acutBuildList list, freed here.
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
    // Start and end angles in degrees; entmake takes radians.
    static void arc(double x, double y, double r, double from, double to) {
        ads_point c = {x, y, 0};
        constexpr double kRadians = 3.14159265358979323846 / 180.0;
        make(
            acutBuildList(RTDXF0, L"ARC", 10, c, 40, r, 50, from * kRadians, 51, to * kRadians, 0));
    }

    // A new driver with nothing queued and an empty transcript.
    void freshDriver() {
        driver.reset();
        driver = std::make_unique<input::Driver>();
    }

    std::wstring transcript() const { return driver->transcript(); }

    std::unique_ptr<input::Driver> driver;
};

} // namespace vma::test
