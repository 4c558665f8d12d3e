// Undo: each kind of drawing change and session variable taken back by U,
// steps made by commands and groups, marks and Back (also inside a running
// command, as the module's grid tool uses it), counts, and the UNDOCTL bits.
#include "document_fixture.h"
#include "host/db/ename.h"

#include <functional>

namespace vma::test {
namespace {

using Fixture = DocumentCommandTest;

db::GroupList layerGroups(std::string_view name, int color) {
    db::GroupList g;
    g.addText(2, name);
    g.addInt(70, 0);
    g.addInt(62, color);
    g.addText(6, "Continuous");
    return g;
}

struct ChangeCase {
    const char* what;
    std::function<void()> change; // run as one command
    std::function<bool()> changed;
};

TEST_F(Fixture, UTakesBackEachKindOfChange) {
    const ChangeCase cases[] = {
        {"entity added", [] { line(0, 0, 5, 5); }, [] { return liveEntities() == 2; }},
        {"entity modified",
         [] {
             db::GroupList g = db().entity(0).groups;
             g.setReal(11, 99);
             db().replaceEntity(0, std::move(g));
         },
         [] { return db().entity(0).groups.findReal(11) == 99.0; }},
        {"entity erased", [] { db().setErased(0, true); }, [] { return liveEntities() == 0; }},
        {"table record added",
         [] {
             db::TableRecord r;
             r.groups = layerGroups("WALLS", 1);
             db().addRecord(db::TableKind::Layer, std::move(r));
         },
         [] { return db().findRecord(db::TableKind::Layer, "walls").has_value(); }},
        {"table record modified",
         [] { db().replaceRecord(db::TableKind::Layer, 0, layerGroups("0", 5)); },
         [] { return db().record(db::TableKind::Layer, 0).groups.findInt(62) == 5; }},
        {"block added",
         [] {
             db::Block b;
             b.name = "PILE";
             b.header.addText(2, "PILE");
             db().addBlock(std::move(b));
         },
         [] { return db().findBlock("pile").has_value(); }},
        {"header variable set",
         [] { ASSERT_TRUE(host::setSysvar(session(), "TEXTSIZE", host::SysvarValue::ofReal(7))); },
         [] { return host::getSysvar(session(), "TEXTSIZE")->real == 7.0; }},
        {"header variable new", [] { db().setHeaderValue("$TESTVAR", db::GroupList()); },
         [] { return db().headerValue("$TESTVAR") != nullptr; }},
        {"session variable",
         [] { ASSERT_TRUE(host::setSysvar(session(), "EXPERT", host::SysvarValue::ofShort(3))); },
         [] { return intVar("EXPERT") == 3; }},
    };
    for (const auto& c : cases) {
        restart();
        run(L"TESTLINE");
        runOwn(L"CHANGE", c.change);
        ASSERT_TRUE(c.changed()) << c.what;
        run(L"U");
        EXPECT_FALSE(c.changed()) << c.what;
        EXPECT_EQ(liveEntities(), 1u) << c.what << ": the earlier step stays";
        EXPECT_NE(transcript().find(L"CHANGE"), std::wstring::npos) << c.what;
    }
}

TEST_F(Fixture, AnUndoneEntityIsGoneForGood) {
    run(L"TESTLINE");
    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    run(L"U");
    EXPECT_EQ(acdbEntLast(last), RTERROR);
    EXPECT_FALSE(host::resolveEntity(last).has_value());
    EXPECT_EQ(acdbEntDel(last), RTERROR) << "no way back through entdel";
    EXPECT_TRUE(db().block(db().modelSpace()).entities.empty());
}

TEST_F(Fixture, StepsFollowCommandsAndSkipThoseThatChangeNothing) {
    run(L"TESTLINE");
    run(L"TESTLINE");
    runOwn(L"NOTHING", [] {});
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"TESTLINE\n"), std::wstring::npos);
    run(L"U");
    run(L"U");
    EXPECT_EQ(liveEntities(), 0u);
    EXPECT_NE(transcript().find(L"Everything has been undone"), std::wstring::npos);
}

TEST_F(Fixture, UndoNumberTakesThatManySteps) {
    for (int i = 0; i < 4; ++i)
        run(L"TESTLINE");
    run(L"UNDO", {L"3"});
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"Current settings: Auto = On, Control = All, Combine = Yes, "
                                L"Layer = Yes"),
              std::wstring::npos);
    EXPECT_NE(transcript().find(L"TESTLINE TESTLINE TESTLINE\n"), std::wstring::npos);
    run(L"UNDO", {L""});
    EXPECT_EQ(liveEntities(), 0u);
}

TEST_F(Fixture, AGroupIsOneStepAndSetsUndoctlBit8) {
    run(L"TESTLINE");
    EXPECT_EQ(intVar("UNDOCTL"), 53);
    run(L"UNDO", {L"_G"});
    EXPECT_EQ(intVar("UNDOCTL"), 61);
    run(L"TESTLINE");
    run(L"TESTLINE");
    run(L"UNDO", {L"_E"});
    EXPECT_EQ(intVar("UNDOCTL"), 53);
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"GROUP\n"), std::wstring::npos);
}

TEST_F(Fixture, BeginWhileAGroupIsOpenStartsAnother) {
    run(L"UNDO", {L"_BE"});
    run(L"TESTLINE");
    run(L"UNDO", {L"BEGIN"});
    run(L"TESTLINE");
    run(L"TESTLINE");
    run(L"UNDO", {L"_E"});
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
}

// A stray command inside a group is taken back alone; the group stays open
// and is still one step once ended.
TEST_F(Fixture, UInsideAnOpenGroupTakesBackItsLastCommand) {
    run(L"TESTLINE");
    run(L"UNDO", {L"_G"});
    run(L"TESTLINE");
    runOwn(L"NOTHING", [] {});
    runOwn(L"STRAY", [] { line(0, 0, 9, 9); });
    run(L"U");
    EXPECT_EQ(liveEntities(), 2u);
    EXPECT_NE(transcript().find(L"STRAY\n"), std::wstring::npos);
    EXPECT_EQ(intVar("UNDOCTL") & 8, 8);
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u) << "the command that changed nothing is passed over";
    run(L"TESTLINE");
    run(L"UNDO", {L"_E"});
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"GROUP\n"), std::wstring::npos);
}

TEST_F(Fixture, BackReturnsToTheLastMark) {
    run(L"TESTLINE");
    run(L"UNDO", {L"_M"});
    run(L"TESTLINE");
    run(L"TESTLINE");
    run(L"UNDO", {L"_B"});
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"Mark encountered"), std::wstring::npos);
    run(L"UNDO", {L"_B", L""});
    EXPECT_EQ(liveEntities(), 0u) << "with the mark gone Back asks and undoes everything";
    EXPECT_NE(transcript().find(L"This will undo everything. OK? <Y>"), std::wstring::npos);
}

TEST_F(Fixture, BackWithoutAMarkCanBeDeclined) {
    run(L"TESTLINE");
    run(L"UNDO", {L"_B", L"N"});
    EXPECT_EQ(liveEntities(), 1u);
}

// The grid tool's way: a mark before each try, Back when the try fails, all
// inside its own running command, which stays one step.
TEST_F(Fixture, BackInsideARunningCommandKeepsItsEarlierWork) {
    const input::CommandFn& undoFn = *input::CommandRegistry::get().find(L"UNDO");
    runOwn(L"GRID", [&] {
        line(0, 0, 1, 0);
        driver->type(L"_M");
        input::runCommand(L"_.UNDO", undoFn, true);
        line(0, 1, 1, 1);
        line(0, 2, 1, 2);
        driver->type(L"_B");
        input::runCommand(L"_UNDO", undoFn, true);
        EXPECT_EQ(liveEntities(), 1u);
        line(5, 5, 6, 6);
    });
    EXPECT_EQ(liveEntities(), 2u);
    run(L"U");
    EXPECT_EQ(liveEntities(), 0u);
    EXPECT_NE(transcript().find(L"GRID\n"), std::wstring::npos);
}

TEST_F(Fixture, AModuleGroupInsideItsCommandIsOneStep) {
    const input::CommandFn& undoFn = *input::CommandRegistry::get().find(L"UNDO");
    run(L"TESTLINE");
    runOwn(L"DVCMD", [&] {
        driver->type(L"_G");
        input::runCommand(L"_.UNDO", undoFn, true);
        EXPECT_GT(intVar("UNDOCTL"), 3);
        line(0, 0, 1, 1);
        line(0, 0, 2, 2);
        driver->type(L"_E");
        input::runCommand(L"_UNDO", undoFn, true);
    });
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
}

TEST_F(Fixture, AMarkInsideAFinishedCommandCutsItForBack) {
    const input::CommandFn& undoFn = *input::CommandRegistry::get().find(L"UNDO");
    runOwn(L"TWO", [&] {
        line(0, 0, 1, 0);
        driver->type(L"_M");
        input::runCommand(L"UNDO", undoFn, true);
        line(0, 1, 1, 1);
    });
    run(L"UNDO", {L"_B"});
    EXPECT_EQ(liveEntities(), 1u);
    run(L"U");
    EXPECT_EQ(liveEntities(), 0u) << "the part before the mark is still a step";
}

struct ControlCase {
    std::vector<std::wstring> answers;
    int undoctl;
};

TEST_F(Fixture, ControlOptionsSetUndoctl) {
    const ControlCase cases[] = {
        {{L"_C", L"_N"}, 0},   {{L"_C", L"_O"}, 3},        {{L"_C", L"_A"}, 53},
        {{L"_A", L"OFF"}, 49}, {{L"_C", L"_C", L"N"}, 37}, {{L"_C", L"_L", L"N"}, 21},
    };
    for (const auto& c : cases) {
        restart();
        run(L"UNDO", c.answers);
        EXPECT_EQ(intVar("UNDOCTL"), c.undoctl);
    }
}

TEST_F(Fixture, UndoOffRecordsNothingAndTheModuleTurnsItBackOn) {
    run(L"UNDO", {L"_C", L"_N"});
    run(L"TESTLINE");
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_NE(transcript().find(L"U command disabled"), std::wstring::npos);
    run(L"UNDO", {L"_A"}); // off: the first prompt is the control option
    EXPECT_EQ(intVar("UNDOCTL"), 53);
    run(L"TESTLINE");
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
}

TEST_F(Fixture, OneCommandModeKeepsOneStep) {
    run(L"UNDO", {L"_C", L"_O"});
    run(L"TESTLINE");
    run(L"TESTLINE");
    run(L"UNDO", {L"5"});
    EXPECT_EQ(liveEntities(), 1u);
    run(L"UNDO", {L"_C", L"_A"});
    EXPECT_EQ(intVar("UNDOCTL"), 53);
}

TEST_F(Fixture, ChangesOutsideCommandsAreTheirOwnStep) {
    run(L"TESTLINE");
    line(1, 1, 2, 2);
    line(2, 2, 3, 3);
    run(L"U");
    EXPECT_EQ(liveEntities(), 1u);
}

} // namespace
} // namespace vma::test
