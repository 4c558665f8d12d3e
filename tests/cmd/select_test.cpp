// The "Select objects:" loop: picks, implied windows in both directions, the
// W, C, L, P, ALL, R, A and U options, counts in the transcript, and
// acedSSGet's interactive and single modes with a filter.
#include "cmd_fixture.h"
#include "host/input/select_objects.h"

namespace vma::test {
namespace {

class Select : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        unitPixels();
        line(0, 0, 10, 0);   // a
        line(0, 20, 10, 20); // b
        circle(50, 50, 5);   // c
        ids = entities();
    }

    // Runs the loop on the queued answers; the members selected.
    std::vector<db::EntityId> select(int expected = RTNORM) {
        host::Selection selection;
        EXPECT_EQ(input::selectObjects({}, selection), expected);
        return selection.members();
    }

    std::vector<db::EntityId> ids;
};

TEST_F(Select, PicksTakeTheNearestObject) {
    driver->pick(5, 1).pick(5, 19).enter();
    EXPECT_EQ(select(), (std::vector<db::EntityId>{ids[0], ids[1]}));
    EXPECT_TRUE(said(L"Select objects: 1 found\n"));
    EXPECT_TRUE(said(L"1 found, 2 total\n"));
}

TEST_F(Select, TypedPointPicks) {
    driver->type(L"50,55").enter();
    EXPECT_EQ(select(), (std::vector<db::EntityId>{ids[2]}));
}

TEST_F(Select, ImpliedWindowDirections) {
    struct Case {
        double x1, y1, x2, y2;
        size_t count;
    } cases[] = {
        {-5, -5, 15, 25, 2}, // left to right: a window takes what lies inside
        {-5, -5, 5, 25, 0},  // a window over half the lines takes nothing
        {5, 25, -5, -5, 2},  // right to left: a crossing takes what it touches
        {5, 5, -5, -5, 1},
    };
    for (const Case& c : cases) {
        driver->clearTranscript();
        driver->pick(c.x1, c.y1).pick(c.x2, c.y2).enter();
        EXPECT_EQ(select().size(), c.count) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
        EXPECT_TRUE(said(L"Specify opposite corner: "));
    }
}

TEST_F(Select, Options) {
    struct Case {
        std::vector<std::wstring> answers;
        std::vector<size_t> expected; // indexes into ids
    } cases[] = {
        {{L"W", L"-1,-1", L"11,21", L""}, {1, 0}},
        {{L"C", L"5,-1", L"6,1", L""}, {0}},
        {{L"L", L""}, {2}},
        {{L"ALL", L""}, {2, 1, 0}},
        {{L"ALL", L"R", L"50,55", L""}, {1, 0}},
        {{L"ALL", L"R", L"50,55", L"A", L"50,55", L""}, {1, 0, 2}},
        {{L"L", L"5,0", L"U", L""}, {2}},
    };
    for (const Case& c : cases) {
        for (const auto& a : c.answers)
            driver->type(a);
        std::vector<db::EntityId> expected;
        for (size_t i : c.expected)
            expected.push_back(ids[i]);
        EXPECT_EQ(select(), expected) << c.answers.front();
    }
}

TEST_F(Select, DuplicatesAndRemovalAreCounted) {
    driver->pick(5, 0).pick(5, 0).type(L"R").pick(5, 0).enter();
    EXPECT_TRUE(select().empty());
    EXPECT_TRUE(said(L"1 found (1 duplicate), 1 total\n"));
    EXPECT_TRUE(said(L"Remove objects: 1 found, 1 removed, 0 total\n"));
}

TEST_F(Select, PreviousIsTheLastSelection) {
    driver->pick(5, 20).enter();
    select();
    driver->type(L"P").enter();
    EXPECT_EQ(select(), (std::vector<db::EntityId>{ids[1]}));
}

TEST_F(Select, WrongInputIsExplainedAndEscCancels) {
    driver->type(L"bogus").esc();
    EXPECT_TRUE(select(RTCAN).empty());
    EXPECT_TRUE(said(L"*Invalid selection*\nExpects a point or"));
}

TEST_F(Select, SsGetInteractiveAppliesTheFilter) {
    driver->type(L"ALL").enter();
    host::RbList filter(acutBuildList(RTDXF0, L"CIRCLE", 0));
    ads_name ss;
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, filter.get(), ss), RTNORM);
    Int32 n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(said(L"2 were filtered out.\n"));
    acedSSFree(ss);
    driver->pick(5, 0).enter();
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, filter.get(), ss), RTERROR);
    driver->esc();
    EXPECT_EQ(acedSSGet(L"", nullptr, nullptr, nullptr, ss), RTCAN);
}

TEST_F(Select, SsGetSingleEndsAtTheFirstFind) {
    driver->pick(100, 100).pick(101, 101).pick(5, 20).pick(5, 0);
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"_:S", nullptr, nullptr, nullptr, ss), RTNORM);
    Int32 n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(driver->pending(), 1u);
    acedSSFree(ss);
}

TEST_F(Select, SelectCommandSetsPrevious) {
    driver->pick(5, 0).enter();
    run(L"SELECT");
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"P", nullptr, nullptr, nullptr, ss), RTNORM);
    ads_name first;
    acedSSName(ss, 0, first);
    ads_name expected;
    name(ids[0], expected);
    EXPECT_TRUE(ads_name_equal(first, expected));
    acedSSFree(ss);
}

} // namespace
} // namespace vma::test
