// acedCmdS and acedCommandS: each argument kind reaching its prompt, several
// commands in one list, PAUSE, the command prefixes, unknown commands, and
// commands cancelled when the arguments run out.
#include "cmd_fixture.h"

namespace vma::test {
namespace {

class CommandEngine : public CommandTest {};

TEST_F(CommandEngine, TypedStringsDrawALine) {
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTSTR, L"1,2", RTSTR, L"4,6", RTSTR, L"", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTNORM);
    auto ids = entities();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(groups(ids[0]).text(0), "LINE");
    EXPECT_DOUBLE_EQ(real(ids[0], 10), 1);
    EXPECT_DOUBLE_EQ(real(ids[0], 21), 6);
    EXPECT_EQ(*groups(ids[0]).findText(8), "0");
}

TEST_F(CommandEngine, PointsAreUcsCoordinatesAndKeepEveryDigit) {
    ads_point a = {0.1, 1.0 / 3, 0}, b = {2.5, 7, 3};
    host::RbList args(acutBuildList(RTSTR, L"LINE", RTPOINT, a, RT3DPOINT, b, RTSTR, L"", 0));
    ASSERT_EQ(acedCmdS(args.get()), RTNORM);
    auto ids = entities();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(real(ids[0], 20), 1.0 / 3);
    EXPECT_EQ(real(ids[0], 31), 3);
}

TEST_F(CommandEngine, CommandSVarArgsAndNumbers) {
    line(0, 0, 10, 0);
    ads_name e;
    name(entities()[0], e);
    ads_point base = {0, 0, 0};
    EXPECT_EQ(
        acedCommandS(RTSTR, L"_.SCALE", RTENAME, e, RTSTR, L"", RTPOINT, base, RTREAL, 2.5, RTNONE),
        RTNORM);
    EXPECT_DOUBLE_EQ(real(entities()[0], 11), 25);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.SCALE", RTENAME, e, RTSTR, L"", RTPOINT, base, RTSHORT, 2, 0),
              RTNORM);
    EXPECT_DOUBLE_EQ(real(entities()[0], 11), 50);
}

TEST_F(CommandEngine, AnglesInRadiansWhateverTheUnits) {
    setVar("AUNITS", host::SysvarValue::ofShort(0));
    line(0, 0, 10, 0);
    ads_name e;
    name(entities()[0], e);
    ads_point base = {0, 0, 0};
    ASSERT_EQ(acedCommandS(RTSTR, L"ROTATE", RTENAME, e, RTSTR, L"", RTPOINT, base, RTANG,
                           1.5707963267948966, RTNONE),
              RTNORM);
    EXPECT_NEAR(real(entities()[0], 11), 0, 1e-9);
    EXPECT_NEAR(real(entities()[0], 21), 10, 1e-9);
    ASSERT_EQ(
        acedCommandS(RTSTR, L"ROTATE", RTENAME, e, RTSTR, L"", RTPOINT, base, RTREAL, 90.0, RTNONE),
        RTNORM);
    EXPECT_NEAR(real(entities()[0], 11), -10, 1e-9);
}

TEST_F(CommandEngine, SelectionSetErasesAll) {
    line(0, 0, 1, 0);
    line(0, 5, 1, 5);
    line(0, 9, 1, 9);
    ads_name ss;
    host::RbList filter(acutBuildList(RTDXF0, L"LINE", 0));
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, filter.get(), ss), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.ERASE", RTPICKS, ss, RTSTR, L"", RTNONE), RTNORM);
    EXPECT_TRUE(entities().empty());
    acedSSFree(ss);
}

TEST_F(CommandEngine, SeveralCommandsInOneList) {
    host::RbList args(acutBuildList(RTSTR, L"_LINE", RTSTR, L"0,0", RTSTR, L"1,0", RTSTR, L"",
                                    RTSTR, L".LINE", RTSTR, L"0,5", RTSTR, L"1,5", RTSTR, L"", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTNORM);
    EXPECT_EQ(entities().size(), 2u);
}

TEST_F(CommandEngine, UnknownCommandIsAnError) {
    host::RbList args(acutBuildList(RTSTR, L"_.NOSUCH", RTSTR, L"1", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTERROR);
    EXPECT_TRUE(said(L"Unknown command \"NOSUCH\".  Press F1 for help.\n"));
}

TEST_F(CommandEngine, RunningOutOfArgumentsCancels) {
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTSTR, L"0,0", RTSTR, L"3,0", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTCAN);
    EXPECT_EQ(entities().size(), 1u); // the segment given stays, as it does in the CAD program
    EXPECT_TRUE(said(L"*Cancel*"));
    EXPECT_EQ(host::getSysvar(host::Session::get(), "CMDNAMES")->text, "");
}

TEST_F(CommandEngine, PauseTakesTheUsersAnswer) {
    driver->type(L"7,7");
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTSTR, L"0,0", RTSTR, L"\\", RTSTR, L"", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTNORM);
    ASSERT_EQ(entities().size(), 1u);
    EXPECT_DOUBLE_EQ(real(entities()[0], 11), 7);
}

TEST_F(CommandEngine, EscAtPauseCancels) {
    driver->esc();
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTSTR, L"\\", RTSTR, L"", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTCAN);
    EXPECT_TRUE(entities().empty());
}

TEST_F(CommandEngine, BadInputIsAskedAgain) {
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTSTR, L"nonsense", RTSTR, L"0,0", RTSTR,
                                    L"2,0", RTSTR, L"", 0));
    EXPECT_EQ(acedCmdS(args.get()), RTNORM);
    EXPECT_TRUE(said(L"Invalid point."));
    EXPECT_EQ(entities().size(), 1u);
}

TEST_F(CommandEngine, ArgumentKindsTheCommandLineCannotTake) {
    host::RbList args(acutBuildList(RTSTR, L"_.LINE", RTT, 0));
    EXPECT_EQ(acedCmdS(args.get()), RTERROR);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.LINE", RTLB, RTNONE), RTERROR);
    EXPECT_TRUE(entities().empty());
}

TEST_F(CommandEngine, CopyEndsWhenTheArgumentsDo) {
    line(0, 0, 1, 0);
    ads_name e;
    name(entities()[0], e);
    ads_point from = {0, 0, 0}, to = {0, 10, 0};
    EXPECT_EQ(
        acedCommandS(RTSTR, L"_.COPY", RTENAME, e, RTSTR, L"", RTPOINT, from, RTPOINT, to, RTNONE),
        RTNORM);
    ASSERT_EQ(entities().size(), 2u);
    EXPECT_DOUBLE_EQ(real(entities()[1], 20), 10);
}

TEST_F(CommandEngine, EntityAnswersEntSel) {
    line(0, 0, 1, 0);
    db::EntityId id = entities()[0];
    input::CommandRegistry::get().add(L"PICKONE", [id] {
        ads_name picked;
        ads_point at;
        ASSERT_EQ(acedEntSel(L"Select object: ", picked, at), RTNORM);
        ads_name expected;
        host::entityName(db(), id, expected);
        EXPECT_TRUE(ads_name_equal(picked, expected));
    });
    ads_name e;
    name(id, e);
    EXPECT_EQ(acedCommandS(RTSTR, L"PICKONE", RTENAME, e, RTNONE), RTNORM);
    input::CommandRegistry::get().remove(L"PICKONE");
}

} // namespace
} // namespace vma::test
