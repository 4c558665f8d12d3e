// Window and crossing selection: entirely inside versus touching, a line whose
// box overlaps the window without crossing it, a window within a filled area,
// corners in any order, hidden, erased and paper-space entities, and the
// current space following TILEMODE.
#include "acedads.h"
#include "drawing.h"
#include "rb_list.h"

#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;

namespace {

// The window runs from (0,0) to (10,10).
// A line inside            B line through the edge     C line far outside
// D circle inside          E diagonal through it       F line whose box overlaps only
// G solid around it all    H line inside on an off layer
// I line in paper space    J erased line inside        K text inside
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        db::TableRecord off;
        off.groups.addText(2, "OFF");
        off.groups.addInt(70, 0);
        off.groups.addInt(62, -7);
        d.db().addRecord(db::TableKind::Layer, off);

        d.add('A', line(1, 1, 3, 3));
        d.add('B', line(5, 5, 15, 5));
        d.add('C', line(20, 20, 30, 30));
        auto circle = d.entity("CIRCLE");
        addPoint(circle.groups, 10, 5, 5);
        circle.groups.addReal(40, 1.0);
        d.add('D', circle);
        d.add('E', line(-5, 12, 12, -5));
        d.add('F', line(9, 20, 20, 9));
        auto solid = d.entity("SOLID");
        addPoint(solid.groups, 10, -100, -100);
        addPoint(solid.groups, 11, 100, -100);
        addPoint(solid.groups, 12, -100, 100);
        addPoint(solid.groups, 13, 100, 100);
        d.add('G', solid);
        d.add('H', line(1, 1, 2, 2, "OFF"));
        d.add('I', line(1, 1, 2, 2, "0", d.db().paperSpace()));
        d.db().setErased(d.add('J', line(1, 1, 2, 2)), true);
        auto text = d.entity("TEXT");
        addPoint(text.groups, 10, 2, 8);
        text.groups.addReal(40, 1.0);
        text.groups.addText(1, "AB");
        d.add('K', text);
    }

    db::Entity line(double x1, double y1, double x2, double y2, std::string_view layer = "0",
                    uint32_t block = 0) {
        auto e = d.entity("LINE", layer, block);
        addPoint(e.groups, 10, x1, y1);
        addPoint(e.groups, 11, x2, y2);
        return e;
    }

    std::string ssget(const wchar_t* mode, ads_point p1, ads_point p2, RbList filter = {}) {
        ads_name ss;
        int status = acedSSGet(mode, p1, p2, filter.get(), ss);
        if (status != RTNORM)
            return "status " + std::to_string(status);
        std::string letters = d.labels(ss);
        acedSSFree(ss);
        return letters;
    }

    Drawing d;
    ads_point low{0, 0, 0}, high{10, 10, 0};
};

TEST_F(WindowTest, WindowTakesWhatLiesEntirelyInside) {
    EXPECT_EQ(ssget(L"W", low, high), "KDA");
    ads_point upperLeft{0, 10, 0}, lowerRight{10, 0, 0};
    EXPECT_EQ(ssget(L"_W", lowerRight, upperLeft), "KDA");
    EXPECT_EQ(ssget(L"W", high, low, {{0, L"LINE"}}), "A");
}

TEST_F(WindowTest, CrossingTakesWhatTouches) {
    EXPECT_EQ(ssget(L"C", low, high), "KGEDBA");
    EXPECT_EQ(ssget(L"_c", high, low, {{0, L"~SOLID"}}), "KEDBA");
}

TEST_F(WindowTest, EmptyWindowIsAnError) {
    ads_point a{40, 40, 0}, b{50, 50, 0};
    EXPECT_EQ(ssget(L"W", a, b), "status " + std::to_string(RTERROR));
    EXPECT_EQ(ssget(L"W", low, high, {{0, L"ARC"}}), "status " + std::to_string(RTERROR));
}

TEST_F(WindowTest, PaperSpaceWhenTilemodeIsOff) {
    db::GroupList tilemode;
    tilemode.addInt(70, 0);
    d.db().setHeaderValue("$TILEMODE", tilemode);
    EXPECT_EQ(ssget(L"W", low, high), "I");
}

} // namespace
