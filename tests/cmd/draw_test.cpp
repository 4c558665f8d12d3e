// LINE and PLINE through the driver: their prompts in AutoCAD's order, the
// entities made (type, world coordinates, layer), Undo and Close, widths and
// arc segments, polylines in a rotated UCS.
#include "cmd_fixture.h"

#include <cmath>

namespace vma::test {
namespace {

class Draw : public CommandTest {};

TEST_F(Draw, LinePromptsAndSegments) {
    run(L"LINE", {L"0,0", L"10,0", L"10,10", L"0,10", L"C"});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_DOUBLE_EQ(real(ids[3], 10), 0);
    EXPECT_DOUBLE_EQ(real(ids[3], 20), 10);
    EXPECT_DOUBLE_EQ(real(ids[3], 21), 0);
    EXPECT_EQ(transcript(), L"Specify first point: 0,0\n"
                            L"Specify next point or [Undo]: 10,0\n"
                            L"Specify next point or [Undo]: 10,10\n"
                            L"Specify next point or [Close/Undo]: 0,10\n"
                            L"Specify next point or [Close/Undo]: C\n");
}

TEST_F(Draw, LineUndoErasesTheLastSegment) {
    run(L"LINE", {L"0,0", L"5,0", L"5,5", L"U", L"9,9", L""});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_DOUBLE_EQ(real(ids[1], 10), 5);
    EXPECT_DOUBLE_EQ(real(ids[1], 11), 9);
}

TEST_F(Draw, LineOnTheCurrentLayerInWorldCoordinates) {
    make(acutBuildList(RTDXF0, L"LAYER", 2, L"WALLS", 70, 0, 0));
    setVar("CLAYER", host::SysvarValue::ofText("WALLS"));
    // A UCS moved to 100,0: typed points are relative to it.
    setVar("UCSORG", host::SysvarValue::ofPoint(host::VarType::Point3, 100, 0, 0));
    run(L"LINE", {L"1,1", L"2,1", L""});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(*groups(ids[0]).findText(8), "WALLS");
    EXPECT_DOUBLE_EQ(real(ids[0], 10), 101);
}

TEST_F(Draw, PlineWithWidthsArcsAndClose) {
    run(L"PLINE", {L"0,0", L"W", L"1", L"", L"10,0", L"A", L"10,10", L"L", L"0,10", L"C"});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 1u);
    const auto& g = groups(ids[0]);
    EXPECT_EQ(g.text(0), "LWPOLYLINE");
    EXPECT_EQ(g.findInt(90), 4);
    EXPECT_EQ(g.findInt(70), 1);
    EXPECT_DOUBLE_EQ(*g.findReal(43), 1);
    // The arc leaves along the first segment (+X) and turns left to 10,10: a half circle.
    std::vector<double> bulges;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == 42)
            bulges.push_back(g.real(i));
    ASSERT_EQ(bulges.size(), 4u);
    EXPECT_NEAR(bulges[1], 1, 1e-12);
    EXPECT_DOUBLE_EQ(bulges[2], 0);
    EXPECT_TRUE(said(L"Current line-width is 0.0000\n"));
    EXPECT_TRUE(said(L"Specify next point or [Arc/Close/Halfwidth/Length/Undo/Width]: "));
    EXPECT_DOUBLE_EQ(host::getSysvar(host::Session::get(), "PLINEWID")->real, 1);
}

TEST_F(Draw, PlineTaperedSegmentsKeepPerVertexWidths) {
    run(L"PLINE", {L"0,0", L"H", L"0", L"2", L"10,0", L"20,0", L""});
    const auto& g = groups(entities()[0]);
    EXPECT_FALSE(g.findReal(43).has_value());
    std::vector<double> widths;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == 40 || g[i].code == 41)
            widths.push_back(g.real(i));
    EXPECT_EQ(widths, (std::vector<double>{0, 4, 4, 4, 0, 0}));
}

TEST_F(Draw, PlineSecondPointArc) {
    run(L"PLINE", {L"0,0", L"A", L"S", L"5,5", L"10,0", L""});
    const auto& g = groups(entities()[0]);
    long first = g.find(42);
    ASSERT_GE(first, 0);
    EXPECT_NEAR(g.real(size_t(first)), -1, 1e-12); // clockwise half circle over the top
}

TEST_F(Draw, PlineInARotatedUcsIsInItsPlane) {
    // UCS turned about world X: its Z axis is the world -Y axis.
    setVar("UCSXDIR", host::SysvarValue::ofPoint(host::VarType::Point3, 1, 0, 0));
    setVar("UCSYDIR", host::SysvarValue::ofPoint(host::VarType::Point3, 0, 0, 1));
    run(L"PLINE", {L"0,0", L"10,0", L"10,10", L""});
    const auto& g = groups(entities()[0]);
    EXPECT_NEAR(*g.findReal(220), -1, 1e-12);
    // Back through the entity's OCS to the world: the last vertex is at 10,0,10.
    ads_name e;
    name(entities()[0], e);
    resbuf from{}, to{};
    from.restype = RTENAME;
    ads_name_set(e, from.resval.rlname);
    to.restype = RTSHORT;
    to.resval.rint = 0;
    ads_point ocs = {0, 0, g.findReal(38).value_or(0)}, world;
    long last = -1;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == 10)
            last = static_cast<long>(i);
    ocs[0] = g.real(size_t(last));
    ocs[1] = g.real(size_t(last) + 1);
    ASSERT_EQ(acedTrans(ocs, &from, &to, 0, world), RTNORM);
    EXPECT_NEAR(world[0], 10, 1e-9);
    EXPECT_NEAR(world[1], 0, 1e-9);
    EXPECT_NEAR(world[2], 10, 1e-9);
}

TEST_F(Draw, PlineNeedsTwoPoints) {
    run(L"PLINE", {L"0,0", L""});
    EXPECT_TRUE(entities().empty());
}

} // namespace
} // namespace vma::test
