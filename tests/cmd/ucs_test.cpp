// The UCS command: each way of making a system lands points given in it at
// the right WCS places (through acedTrans), the previous-system stack, named
// systems in the UCS table, and UNDO of a UCS change.
#include "document_fixture.h"

#include <cmath>

namespace vma::test {
namespace {

using Fixture = DocumentCommandTest;
using P = std::array<double, 3>;

void expectNear(const P& got, const P& want, const char* what) {
    for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-9) << what << " coordinate " << i;
}

struct UcsCase {
    const char* what;
    std::vector<std::wstring> answers;
    P ucsPoint;
    P worldPoint;
};

TEST_F(Fixture, EachOptionPlacesUcsPointsInTheWorld) {
    const UcsCase cases[] = {
        {"origin", {L"_O", L"10,5"}, {1, 1, 0}, {11, 6, 0}},
        {"origin, long form", {L"_OR", L"10,5"}, {0, 0, 0}, {10, 5, 0}},
        {"turn about Z", {L"_Z", L"90"}, {1, 0, 0}, {0, 1, 0}},
        {"turn about Z by the default", {L"_Z", L""}, {1, 0, 0}, {0, 1, 0}},
        {"turn about X", {L"_X", L"90"}, {0, 1, 0}, {0, 0, 1}},
        {"turn about Y", {L"_Y", L"90"}, {0, 0, 1}, {1, 0, 0}},
        {"typed origin accepted", {L"3,4", L""}, {1, 0, 0}, {4, 4, 0}},
        {"origin and X axis", {L"3,4", L"3,9", L""}, {2, 0, 0}, {3, 6, 0}},
        {"three points", {L"_3", L"1,1", L"1,2", L"0,1"}, {1, 1, 0}, {0, 2, 0}},
        {"Z axis", {L"_ZA", L"0,0", L"1,0,0"}, {0, 0, 2}, {2, 0, 0}},
        {"world", {L"_W"}, {3, 4, 5}, {3, 4, 5}},
        {"Enter is world", {L""}, {3, 4, 5}, {3, 4, 5}},
    };
    for (const auto& c : cases) {
        restart();
        run(L"UCS", c.answers);
        expectNear(ucsToWorld(c.ucsPoint[0], c.ucsPoint[1], c.ucsPoint[2]), c.worldPoint, c.what);
        expectNear(worldToUcs(c.worldPoint[0], c.worldPoint[1], c.worldPoint[2]), c.ucsPoint,
                   c.what);
    }
}

TEST_F(Fixture, OptionsBuildOnTheCurrentSystem) {
    run(L"UCS", {L"_O", L"10,0"});
    run(L"UCS", {L"_Z", L"90"});
    run(L"UCS", {L"_O", L"5,0"}); // along the turned X axis: world +Y
    expectNear(ucsToWorld(0, 0), {10, 5, 0}, "origin in the turned system");
    expectNear(ucsToWorld(1, 0), {10, 6, 0}, "X axis turned");
    EXPECT_EQ(intVar("WORLDUCS"), 0);
}

TEST_F(Fixture, RadianAnglesFollowAunits) {
    ASSERT_TRUE(host::setSysvar(session(), "AUNITS", host::SysvarValue::ofShort(3)));
    run(L"UCS", {L"_Z", L"1.5707963267948966"});
    expectNear(ucsToWorld(1, 0), {0, 1, 0}, "a quarter turn in radians");
}

// The module's shape placement: world, origin at a point, then Previous twice.
TEST_F(Fixture, PreviousWalksBackThroughTheStack) {
    run(L"UCS", {L"_O", L"1,2"});
    run(L"UCS", {L"_W"});
    run(L"UCS", {L"_OR", L"7,7"});
    run(L"UCS", {L"_P"});
    EXPECT_EQ(intVar("WORLDUCS"), 1);
    run(L"UCS", {L"_P"});
    expectNear(ucsToWorld(0, 0), {1, 2, 0}, "two back");
    run(L"UCS", {L"_P"});
    EXPECT_EQ(intVar("WORLDUCS"), 1);
    run(L"UCS", {L"_P"});
    EXPECT_NE(transcript().find(L"No previous UCS saved."), std::wstring::npos);
}

TEST_F(Fixture, PreviousKeepsTenSystems) {
    for (int i = 1; i <= 12; ++i)
        run(L"UCS", {L"_O", L"1,0"});
    for (int i = 0; i < 10; ++i)
        run(L"UCS", {L"_P"});
    expectNear(ucsToWorld(0, 0), {2, 0, 0}, "the oldest two are gone");
    run(L"UCS", {L"_P"});
    EXPECT_NE(transcript().find(L"No previous UCS saved."), std::wstring::npos);
}

TEST_F(Fixture, NamedSystemsAreSavedAndRestored) {
    run(L"UCS", {L"_O", L"4,4"});
    run(L"UCS", {L"_Z", L"90"});
    run(L"UCS", {L"_NA", L"_S", L"PLAN"});
    auto record = db().findRecord(db::TableKind::Ucs, "plan");
    ASSERT_TRUE(record.has_value());
    run(L"UCS", {L"_W"});
    run(L"UCS", {L"_NA", L"_R", L"plan"});
    expectNear(ucsToWorld(1, 0), {4, 5, 0}, "restored");
    EXPECT_EQ(host::getSysvar(session(), "UCSNAME")->text, "PLAN");
    run(L"UCS", {L""});
    EXPECT_NE(transcript().find(L"Current ucs name:  PLAN"), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Current ucs name:  *WORLD*"), std::wstring::npos);
    run(L"UCS", {L"_NA", L"_R", L"NOSUCH"});
    EXPECT_NE(transcript().find(L"Cannot find UCS NOSUCH."), std::wstring::npos);
    run(L"UCS", {L"_NA", L"_D", L"P*"});
    EXPECT_FALSE(db().findRecord(db::TableKind::Ucs, "plan").has_value());
}

TEST_F(Fixture, SavingOverANamedSystemAsks) {
    run(L"UCS", {L"_NA", L"_S", L"A"});
    run(L"UCS", {L"_O", L"1,1"});
    run(L"UCS", {L"_NA", L"_S", L"A", L""});
    run(L"UCS", {L"_W"});
    run(L"UCS", {L"_NA", L"_R", L"A"});
    EXPECT_EQ(intVar("WORLDUCS"), 1) << "No is the default";
    run(L"UCS", {L"_O", L"1,1"});
    run(L"UCS", {L"_NA", L"_S", L"A", L"_Y"});
    run(L"UCS", {L"_W"});
    run(L"UCS", {L"_NA", L"_R", L"A"});
    expectNear(ucsToWorld(0, 0), {1, 1, 0}, "replaced");
}

TEST_F(Fixture, ObjectAlignsWithALine) {
    line(2, 2, 2, 12);
    run(L"UCS", {L"_OB", L"2,11"});
    expectNear(ucsToWorld(0, 0), {2, 12, 0}, "origin at the end nearer the pick");
    expectNear(ucsToWorld(1, 0), {2, 11, 0}, "X along the line");
}

TEST_F(Fixture, UndoTakesBackAUcsChange) {
    run(L"UCS", {L"_O", L"5,5"});
    run(L"U");
    EXPECT_EQ(intVar("WORLDUCS"), 1);
    EXPECT_NE(transcript().find(L"UCS\n"), std::wstring::npos);
}

} // namespace
} // namespace vma::test
