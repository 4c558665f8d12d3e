// HATCH at the command line as the drafting module sends it ("_U", angle,
// spacing, "_N", the boundary objects, Enter): the boundary paths made from
// each kind of object (closed polylines, circles as holes, chained lines and
// arcs), the pattern data of user-defined, double, predefined and solid
// hatches, what the preview code draws of them, and refusals.
#include "acedCmdNF.h"
#include "drafting_fixture.h"
#include "host/base/text.h"
#include "host/geom/hatch.h"

#include <cmath>
#include <numbers>

namespace vma::test {
namespace {

class HatchTest : public DraftingTest {
protected:
    static void square(double x0, double y0, double size) {
        ads_point a = {x0, y0, 0}, b = {x0 + size, y0, 0}, c = {x0 + size, y0 + size, 0},
                  d = {x0, y0 + size, 0};
        make(acutBuildList(RTDXF0, L"LWPOLYLINE", 100, L"AcDbEntity", 100, L"AcDbPolyline", 90, 4,
                           70, 1, 10, a, 10, b, 10, c, 10, d, 0));
    }
    // The user-defined pattern the module asks for, boundary picked at the points.
    void userHatch(std::wstring angle, std::wstring spacing,
                   std::initializer_list<std::array<double, 2>> picks, std::wstring twice = L"_N") {
        answers({L"_U", angle, spacing, twice});
        for (const auto& p : picks)
            driver->pick(p[0], p[1]);
        driver->enter();
        run(L"HATCH");
    }
    const db::GroupList& onlyHatch() {
        auto hatches = entities("HATCH");
        EXPECT_EQ(hatches.size(), 1u);
        static db::GroupList none;
        return hatches.empty() ? none : groups(hatches.front());
    }
    // The values of every group with the code, in order.
    static std::vector<double> all(const db::GroupList& g, int code) {
        std::vector<double> out;
        for (size_t i = 0; i < g.size(); ++i)
            if (g[i].code == code)
                out.push_back(g.real(i));
        return out;
    }
};

TEST_F(HatchTest, UserPatternOverAClosedPolyline) {
    square(0, 0, 100);
    userHatch(L"45", L"5", {{50, 0}});
    const db::GroupList& g = onlyHatch();
    EXPECT_EQ(g.findText(2), "_USER");
    EXPECT_EQ(g.findInt(70), 0);
    EXPECT_EQ(g.findInt(91), 1);
    EXPECT_EQ(g.findInt(92), 1 | 2 | 16);
    EXPECT_EQ(g.findInt(93), 4);
    EXPECT_EQ(all(g, 10).size(), 4u + 1 + 1); // elevation point, vertices, seed point
    EXPECT_EQ(g.findInt(76), 0);
    EXPECT_DOUBLE_EQ(*g.findReal(52), 45);
    EXPECT_DOUBLE_EQ(*g.findReal(41), 5);
    EXPECT_EQ(g.findInt(77), 0);
    EXPECT_EQ(g.findInt(78), 1);
    EXPECT_DOUBLE_EQ(*g.findReal(53), 45);
    double s = 5 / std::sqrt(2.0);
    EXPECT_NEAR(*g.findReal(45), -s, 1e-9);
    EXPECT_NEAR(*g.findReal(46), s, 1e-9);
    EXPECT_EQ(g.findInt(79), 0);
    EXPECT_EQ(g.findInt(98), 1);
    auto seed = all(g, 10).back();
    EXPECT_GT(seed, 0);
    EXPECT_LT(seed, 100);
    for (std::wstring_view prompt :
         {L"Enter a pattern name or [?/Solid/User defined] <ANSI31>: ",
          L"Specify angle for crosshatch lines <0>: ",
          L"Specify spacing between the lines <1.0000>: ", L"Double hatch area? [Yes/No] <N>: ",
          L"Select objects to define hatch boundary or <direct hatch>,"})
        EXPECT_NE(transcript().find(prompt), std::wstring::npos) << wideToUtf8(prompt);
}

TEST_F(HatchTest, ASelectionSetAsTheModuleSendsIt) {
    square(0, 0, 100);
    circle(50, 50, 10);
    ads_name all;
    ASSERT_EQ(acedSSGet(L"_X", nullptr, nullptr, nullptr, all), RTNORM);
    ASSERT_EQ(acedCommandS(RTSTR, L"_.HATCH", RTSTR, L"_U", RTREAL, 45.0, RTREAL, 0.5, RTSTR, L"_N",
                           RTPICKS, all, RTSTR, L"", RTNONE),
              RTNORM);
    acedSSFree(all);
    EXPECT_EQ(onlyHatch().findInt(91), 2);
    EXPECT_DOUBLE_EQ(*onlyHatch().findReal(41), 0.5);
}

TEST_F(HatchTest, ThePreviewDrawsThePatternInsideTheBoundary) {
    square(0, 0, 100);
    userHatch(L"0", L"10", {{50, 0}});
    geom::HatchShape shape = geom::readHatch(onlyHatch());
    ASSERT_EQ(shape.rings.size(), 1u);
    EXPECT_EQ(shape.rings[0].size(), 4u);
    auto segments = geom::patternSegments(shape.rings, shape.lines);
    EXPECT_GE(segments.size(), 9u);
    EXPECT_LE(segments.size(), 11u);
    for (const auto& seg : segments)
        EXPECT_NEAR(seg.a.y, seg.b.y, 1e-9);
}

TEST_F(HatchTest, DoubleHatchCrossesTheLines) {
    square(0, 0, 100);
    userHatch(L"30", L"2", {{50, 0}}, L"_Y");
    const db::GroupList& g = onlyHatch();
    EXPECT_EQ(g.findInt(77), 1);
    EXPECT_EQ(g.findInt(78), 2);
    auto angles = all(g, 53);
    ASSERT_EQ(angles.size(), 2u);
    EXPECT_NEAR(angles[0], 30, 1e-9);
    EXPECT_NEAR(angles[1], 120, 1e-9);
}

TEST_F(HatchTest, ACircleInsideIsAHole) {
    square(0, 0, 100);
    circle(50, 50, 10);
    userHatch(L"0", L"5", {{50, 0}, {60, 50}});
    const db::GroupList& g = onlyHatch();
    EXPECT_EQ(g.findInt(91), 2);
    auto flags = all(g, 92);
    ASSERT_EQ(flags.size(), 2u);
    EXPECT_EQ(flags[0], 1 | 2 | 16);
    EXPECT_EQ(flags[1], 1 | 2);
    auto bulges = all(g, 42);
    ASSERT_EQ(bulges.size(), 2u);
    EXPECT_DOUBLE_EQ(bulges[0], 1);
    EXPECT_EQ(g.findInt(98), 1);
    geom::HatchShape shape = geom::readHatch(g);
    for (const auto& seg : geom::patternSegments(shape.rings, shape.lines)) {
        double mid = (seg.a.x + seg.b.x) / 2 - 50, y = seg.a.y - 50;
        EXPECT_GT(mid * mid + y * y, 9.9 * 9.9);
    }
}

TEST_F(HatchTest, LinesAndArcsChainIntoALoop) {
    line(-10, 0, 10, 0);
    arc(0, 0, 10, 0, 180);
    line(20, 20, 30, 20); // picked too, but closes nothing
    userHatch(L"0", L"1", {{0, 0}, {0, 10}, {25, 20}});
    const db::GroupList& g = onlyHatch();
    EXPECT_EQ(g.findInt(91), 1);
    EXPECT_EQ(g.findInt(93), 2);
    auto bulges = all(g, 42);
    ASSERT_EQ(bulges.size(), 2u);
    EXPECT_DOUBLE_EQ(std::fabs(bulges[0] + bulges[1]), 1);
    EXPECT_NE(transcript().find(L"1 object(s) do not form a closed boundary"), std::wstring::npos);
}

TEST_F(HatchTest, FourLinesMakeOnePath) {
    line(0, 0, 10, 0);
    line(10, 10, 10, 0);
    line(10, 10, 0, 10);
    line(0, 0, 0, 10);
    userHatch(L"0", L"1", {{5, 0}, {10, 5}, {5, 10}, {0, 5}});
    const db::GroupList& g = onlyHatch();
    EXPECT_EQ(g.findInt(93), 4);
    EXPECT_EQ(g.findInt(72), 0);
}

TEST_F(HatchTest, SolidAndPredefinedPatterns) {
    square(0, 0, 10);
    answers({L"_S"});
    driver->pick(5, 0);
    driver->enter();
    run(L"HATCH");
    answers({L"ansi31", L"2", L"0"});
    driver->pick(5, 0);
    driver->enter();
    run(L"-HATCH");
    auto hatches = entities("HATCH");
    ASSERT_EQ(hatches.size(), 2u);
    const db::GroupList& solid = groups(hatches[0]);
    EXPECT_EQ(solid.findText(2), "SOLID");
    EXPECT_EQ(solid.findInt(70), 1);
    EXPECT_EQ(solid.find(78), -1);
    const db::GroupList& ansi = groups(hatches[1]);
    EXPECT_EQ(ansi.findText(2), "ANSI31");
    EXPECT_EQ(ansi.findInt(76), 1);
    EXPECT_DOUBLE_EQ(*ansi.findReal(53), 45);
    EXPECT_NEAR(*ansi.findReal(46), 3.175 * 2 / std::sqrt(2.0), 1e-9);
}

TEST_F(HatchTest, DirectHatchWithARetainedBoundary) {
    answers({L"_U", L"0", L"1", L"_N", L"", L"_Y", L"0,0", L"10,0", L"10,10", L"0,10", L"_C", L""});
    run(L"HATCH");
    EXPECT_EQ(onlyHatch().findInt(93), 4);
    EXPECT_EQ(entities("LWPOLYLINE").size(), 1u);
}

TEST_F(HatchTest, RefusalsMakeNoHatch) {
    line(0, 0, 10, 0);
    userHatch(L"0", L"1", {{5, 0}});
    EXPECT_NE(transcript().find(L"Valid hatch boundary not found."), std::wstring::npos);
    square(100, 100, 100);
    userHatch(L"0", L"0.0001", {{150, 100}});
    EXPECT_NE(transcript().find(L"Hatch spacing too dense"), std::wstring::npos);
    EXPECT_TRUE(entities("HATCH").empty());
}

TEST_F(HatchTest, BadInputIsAskedAgain) {
    square(0, 0, 10);
    answers({L"NOSUCH", L"_U", L"0", L"abc", L"-1", L"1", L"maybe", L"_N"});
    driver->pick(5, 0);
    driver->enter();
    run(L"HATCH");
    EXPECT_EQ(entities("HATCH").size(), 1u);
    EXPECT_NE(transcript().find(L"Pattern \"NOSUCH\" not found."), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Requires numeric distance or two points."), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Value must be positive and nonzero."), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Invalid option keyword."), std::wstring::npos);
}

} // namespace
} // namespace vma::test
