// DIM, the legacy dimensioning mode: the option sequences the drafting module
// sends (ROTATE, CONT, ORDINATE, SAVE, RESTORE, EXIT), what each dimension
// records (groups, measurement) and what its *D block holds (extension and
// dimension lines, arrowheads or ticks, text and position, definition
// points), the measured text's formatting, and re-prompts on bad input.
#include "acedCmdNF.h"
#include "drafting_fixture.h"
#include "host/cmd/dim_vars.h"

#include <algorithm>
#include <cmath>

namespace vma::test {
namespace {

class DimTest : public DraftingTest {
protected:
    // One rotated dimension at the angle from a to b, its line through loc.
    void rotated(std::wstring angle, std::wstring a, std::wstring b, std::wstring loc,
                 std::wstring text = L"") {
        answers({L"_ROTATE", angle, a, b, loc, text});
    }
    void dim() {
        driver->type(L"_EXIT");
        run(L"DIM");
    }
    std::string blockOf(db::EntityId id) { return std::string(*groups(id).findText(2)); }
    const db::GroupList& onlyText(db::EntityId id) {
        auto texts = blockContent(blockOf(id), "MTEXT");
        EXPECT_EQ(texts.size(), 1u);
        static db::GroupList none;
        return texts.empty() ? none : *texts.front();
    }
};

void expectPoint(const std::array<double, 3>& p, double x, double y, double tol = 1e-9) {
    EXPECT_NEAR(p[0], x, tol);
    EXPECT_NEAR(p[1], y, tol);
}

TEST_F(DimTest, RotatedDimensionRecordsItsPointsAndMeasurement) {
    rotated(L"0", L"0,0", L"1000,0", L"500,200");
    dim();
    auto dims = entities("DIMENSION");
    ASSERT_EQ(dims.size(), 1u);
    const db::GroupList& g = groups(dims[0]);
    EXPECT_EQ(g.findInt(70), 32);
    EXPECT_DOUBLE_EQ(*g.findReal(42), 1000);
    expectPoint(pointOf(g, 10), 1000, 200);
    expectPoint(pointOf(g, 13), 0, 0);
    expectPoint(pointOf(g, 14), 1000, 0);
    EXPECT_DOUBLE_EQ(*g.findReal(50), 0);
    EXPECT_EQ(g.findText(3), "Standard");
    EXPECT_EQ(g.findText(1), "");
    EXPECT_TRUE(blockOf(dims[0]).starts_with("*D"));
    EXPECT_NE(transcript().find(L"Enter dimension text <1000>: "), std::wstring::npos);
}

TEST_F(DimTest, RotatedBlockHoldsLinesArrowsTextAndDefpoints) {
    rotated(L"0", L"0,0", L"1000,0", L"500,200");
    dim();
    std::string block = blockOf(entities("DIMENSION")[0]);
    auto lines = blockContent(block, "LINE");
    ASSERT_EQ(lines.size(), 3u);
    expectPoint(pointOf(*lines[0], 10), 0, 0.625);
    expectPoint(pointOf(*lines[0], 11), 0, 201.25);
    expectPoint(pointOf(*lines[1], 10), 1000, 0.625);
    expectPoint(pointOf(*lines[2], 10), 0, 200);
    expectPoint(pointOf(*lines[2], 11), 1000, 200);
    auto arrows = blockContent(block, "SOLID");
    ASSERT_EQ(arrows.size(), 2u);
    expectPoint(pointOf(*arrows[0], 10), 0, 200);
    expectPoint(pointOf(*arrows[0], 11), 2.5, 200 + 2.5 / 6);
    expectPoint(pointOf(*arrows[1], 10), 1000, 200);
    expectPoint(pointOf(*arrows[1], 12), 997.5, 200 + 2.5 / 6);
    const db::GroupList& text = onlyText(entities("DIMENSION")[0]);
    EXPECT_EQ(text.findText(1), "1000");
    EXPECT_DOUBLE_EQ(*text.findReal(40), 2.5);
    expectPoint(pointOf(text, 10), 500, 200 + 0.625 + 1.25);
    auto points = blockContent(block, "POINT");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0]->findText(8), "DEFPOINTS");
    EXPECT_TRUE(db().findRecord(db::TableKind::Layer, "DEFPOINTS"));
}

TEST_F(DimTest, ContinueChainsFromTheLastSecondOrigin) {
    rotated(L"0", L"0,0", L"1000,0", L"500,200");
    answers({L"_CONT", L"2500,0", L""});
    dim();
    auto dims = entities("DIMENSION");
    ASSERT_EQ(dims.size(), 2u);
    const db::GroupList& g = groups(dims[1]);
    EXPECT_DOUBLE_EQ(*g.findReal(42), 1500);
    expectPoint(pointOf(g, 13), 1000, 0);
    expectPoint(pointOf(g, 14), 2500, 0);
    expectPoint(pointOf(g, 10), 2500, 200);
    EXPECT_EQ(onlyText(dims[1]).findText(1), "1500");
    EXPECT_NE(transcript().find(L"Specify a second extension line origin or [Select] <Select>: "),
              std::wstring::npos);
}

TEST_F(DimTest, VerticalDimensionTurnsTheLineAndText) {
    rotated(L"90", L"0,0", L"0,300", L"-50,0");
    dim();
    const db::GroupList& g = groups(entities("DIMENSION")[0]);
    EXPECT_DOUBLE_EQ(*g.findReal(42), 300);
    EXPECT_NEAR(*g.findReal(50), 90, 1e-9);
    expectPoint(pointOf(g, 10), -50, 300);
    const db::GroupList& text = onlyText(entities("DIMENSION")[0]);
    expectPoint(pointOf(text, 11), 0, 1, 1e-12);
    // Above the line is to its left when it reads upwards.
    expectPoint(pointOf(text, 10), -50 - 0.625 - 1.25, 150);
}

TEST_F(DimTest, TypedTextOverridesTheMeasurement) {
    rotated(L"0", L"0,0", L"1000,0", L"500,200", L"ABOUT <>");
    dim();
    auto id = entities("DIMENSION")[0];
    EXPECT_EQ(groups(id).findText(1), "ABOUT <>");
    EXPECT_EQ(onlyText(id).findText(1), "ABOUT 1000");
}

TEST_F(DimTest, TicksReplaceArrowsAndExtendTheLine) {
    setReal("DIMTSZ", 1);
    setReal("DIMDLE", 2);
    rotated(L"0", L"0,0", L"100,0", L"50,20");
    dim();
    std::string block = blockOf(entities("DIMENSION")[0]);
    EXPECT_TRUE(blockContent(block, "SOLID").empty());
    auto lines = blockContent(block, "LINE");
    ASSERT_EQ(lines.size(), 5u); // two extension lines, the dimension line, two ticks
    expectPoint(pointOf(*lines[2], 10), -2, 20);
    expectPoint(pointOf(*lines[2], 11), 102, 20);
}

TEST_F(DimTest, VariablesAndScaleShapeTheBlock) {
    setReal("DIMSCALE", 10);
    setShort("DIMTAD", 0);
    setShort("DIMSE1", 1);
    setShort("DIMCLRD", 1);
    rotated(L"0", L"0,0", L"1000,0", L"500,200");
    dim();
    std::string block = blockOf(entities("DIMENSION")[0]);
    auto lines = blockContent(block, "LINE");
    // One extension line; the dimension line broken around the centred text.
    ASSERT_EQ(lines.size(), 3u);
    expectPoint(pointOf(*lines[0], 10), 1000, 6.25);
    EXPECT_EQ(lines[1]->findInt(62), 1);
    const db::GroupList& text = onlyText(entities("DIMENSION")[0]);
    EXPECT_DOUBLE_EQ(*text.findReal(40), 25);
    expectPoint(pointOf(text, 10), 500, 200);
    double half = 4 * 0.8 * 25 / 2 + 6.25;
    expectPoint(pointOf(*lines[1], 11), 500 - half, 200);
    expectPoint(pointOf(*lines[2], 10), 500 + half, 200);
}

TEST_F(DimTest, NarrowDimensionPutsTextAndArrowsOutside) {
    rotated(L"0", L"0,0", L"3,0", L"1.5,10");
    dim();
    auto id = entities("DIMENSION")[0];
    const db::GroupList& text = onlyText(id);
    EXPECT_GT(pointOf(text, 10)[0], 3);
    auto arrows = blockContent(blockOf(id), "SOLID");
    ASSERT_EQ(arrows.size(), 2u);
    expectPoint(pointOf(*arrows[0], 11), -2.5, 10 - 2.5 / 6);
}

TEST_F(DimTest, OrdinateXDatumMeasuresAlongX) {
    answers({L"_ORDINATE", L"100,50", L"_X", L"100,80", L""});
    dim();
    auto dims = entities("DIMENSION");
    ASSERT_EQ(dims.size(), 1u);
    const db::GroupList& g = groups(dims[0]);
    EXPECT_EQ(g.findInt(70), 6 | 32 | 64);
    EXPECT_DOUBLE_EQ(*g.findReal(42), 100);
    expectPoint(pointOf(g, 10), 0, 0);
    expectPoint(pointOf(g, 13), 100, 50);
    expectPoint(pointOf(g, 14), 100, 80);
    const db::GroupList& text = onlyText(dims[0]);
    EXPECT_EQ(text.findText(1), "100");
    expectPoint(pointOf(text, 10), 100, 80 + 3 + 0.625);
    auto lines = blockContent(blockOf(dims[0]), "LINE");
    ASSERT_EQ(lines.size(), 1u);
    expectPoint(pointOf(*lines[0], 10), 100, 50.625);
    EXPECT_NE(transcript().find(L"Specify leader endpoint location: "), std::wstring::npos);
}

TEST_F(DimTest, OrdinateYDatumAndTheAutomaticAxis) {
    answers({L"_ORDINATE", L"100,50", L"_Y", L"140,60", L""});
    answers({L"_ORDINATE", L"30,-20", L"60,-20", L""});
    dim();
    auto dims = entities("DIMENSION");
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_EQ(groups(dims[0]).findInt(70), 6 | 32);
    EXPECT_DOUBLE_EQ(*groups(dims[0]).findReal(42), 50);
    // A jogged leader: three lines.
    EXPECT_EQ(blockContent(blockOf(dims[0]), "LINE").size(), 3u);
    EXPECT_EQ(groups(dims[1]).findInt(70), 6 | 32);
    EXPECT_DOUBLE_EQ(*groups(dims[1]).findReal(42), 20);
}

TEST_F(DimTest, SaveAndRestoreStyles) {
    setReal("DIMASZ", 5);
    answers({L"_SAVE", L"VMA$01"});
    dim();
    auto index = db().findRecord(db::TableKind::DimStyle, "VMA$01");
    ASSERT_TRUE(index);
    EXPECT_DOUBLE_EQ(*db().record(db::TableKind::DimStyle, *index).groups.findReal(41), 5);
    EXPECT_EQ(var("DIMSTYLE").text, "VMA$01");

    answers({L"_RESTORE", L"Standard"});
    dim();
    EXPECT_EQ(var("DIMSTYLE").text, "Standard");
    EXPECT_DOUBLE_EQ(var("DIMASZ").real, 2.5);

    answers({L"_RESTORE", L"vma$01"});
    dim();
    EXPECT_EQ(var("DIMSTYLE").text, "VMA$01");
    EXPECT_DOUBLE_EQ(var("DIMASZ").real, 5);
}

TEST_F(DimTest, SavingOverAStyleAsksUnlessExpert) {
    answers({L"_SAVE", L"S1"});
    dim();
    setReal("DIMASZ", 7);
    answers({L"_SAVE", L"S1", L"_N"});
    dim();
    auto index = *db().findRecord(db::TableKind::DimStyle, "S1");
    EXPECT_DOUBLE_EQ(*db().record(db::TableKind::DimStyle, index).groups.findReal(41), 2.5);
    answers({L"_SAVE", L"S1", L"_Y"});
    dim();
    EXPECT_DOUBLE_EQ(*db().record(db::TableKind::DimStyle, index).groups.findReal(41), 7);
    EXPECT_NE(transcript().find(L"That name is already in use, redefine it? <N>: "),
              std::wstring::npos);

    // With EXPERT 5 nothing is asked: the "_Y" a caller adds anyway is an
    // unknown dimensioning command that the mode shrugs off.
    setShort("EXPERT", 5);
    setReal("DIMASZ", 9);
    driver->clearTranscript();
    answers({L"_SAVE", L"S1", L"_Y"});
    dim();
    EXPECT_DOUBLE_EQ(*db().record(db::TableKind::DimStyle, index).groups.findReal(41), 9);
    EXPECT_EQ(transcript().find(L"redefine"), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Unknown command \"_Y\""), std::wstring::npos);
    EXPECT_EQ(driver->pending(), 0u);
}

TEST_F(DimTest, RestoringAnUnknownStyleChangesNothing) {
    answers({L"_RESTORE", L"NOPE"});
    dim();
    EXPECT_EQ(var("DIMSTYLE").text, "Standard");
    EXPECT_NE(transcript().find(L"Dimension style \"NOPE\" not found."), std::wstring::npos);
}

TEST_F(DimTest, BadInputIsAskedAgain) {
    answers({L"_ROTATE", L"0", L"here", L"0,0", L"10,0", L"5,5", L""});
    dim();
    EXPECT_EQ(entities("DIMENSION").size(), 1u);
    EXPECT_NE(transcript().find(L"Invalid point."), std::wstring::npos);
}

TEST_F(DimTest, EscLeavesTheModeAndDrawsNothingHalfway) {
    answers({L"_ROTATE", L"0", L"0,0"});
    driver->esc();
    driver->esc();
    run(L"DIM");
    EXPECT_TRUE(entities("DIMENSION").empty());
    EXPECT_EQ(db().findBlock("*D1"), std::nullopt);
}

TEST_F(DimTest, EnterRepeatsTheLastDimensioningCommand) {
    rotated(L"0", L"0,0", L"10,0", L"5,5");
    answers({L"", L"0", L"20,0", L"30,0", L"25,5", L""});
    dim();
    EXPECT_EQ(entities("DIMENSION").size(), 2u);
}

TEST_F(DimTest, TheChainAsTheModuleSendsIt) {
    ads_point p0 = {0, 0, 0}, p1 = {1000, 0, 0}, p2 = {2500, 0, 0}, loc = {500, 200, 0};
    ASSERT_EQ(acedCommandS(RTSTR, L"_.DIM", RTSTR, L"_ROTATE", RTREAL, 0.0, RTPOINT, p0, RTPOINT,
                           p1, RTPOINT, loc, RTSTR, L"", RTSTR, L"_CONT", RTPOINT, p2, RTSTR, L"",
                           RTSTR, L"_EXIT", RTNONE),
              RTNORM);
    auto dims = entities("DIMENSION");
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_DOUBLE_EQ(*groups(dims[1]).findReal(42), 1500);
    ASSERT_EQ(
        acedCommandS(RTSTR, L"_.DIM", RTSTR, L"_SAVE", RTSTR, L"DVDIM", RTSTR, L"_EXIT", RTNONE),
        RTNORM);
    EXPECT_EQ(var("DIMSTYLE").text, "DVDIM");
}

// Counts what the database reports to its undo journal.
struct Recorder : db::Journal {
    std::vector<db::Change::Kind> kinds;
    void record(const db::Change& change) override { kinds.push_back(change.kind); }
    size_t count(db::Change::Kind k) const {
        return static_cast<size_t>(std::count(kinds.begin(), kinds.end(), k));
    }
};

TEST_F(DimTest, EveryChangeReachesTheJournal) {
    Recorder recorder;
    db::Journal* before = db().journal();
    db().setJournal(&recorder);
    rotated(L"0", L"0,0", L"1000,0", L"500,200");
    answers({L"_SAVE", L"J"});
    dim();
    db().setJournal(before);
    std::string block = std::string(*groups(entities("DIMENSION")[0]).findText(2));
    size_t content = db().block(*db().findBlock(block)).entities.size();
    EXPECT_EQ(recorder.count(db::Change::Kind::BlockAdded), 1u);
    EXPECT_EQ(recorder.count(db::Change::Kind::EntityAdded), content + 1);
    // The DEFPOINTS layer and the new style.
    EXPECT_EQ(recorder.count(db::Change::Kind::RecordAdded), 2u);
}

struct TextCase {
    double measurement;
    int decimals, zeros;
    double factor, round;
    std::string post, expected;
};

TEST(DimText, MeasuredTextFollowsTheVariables) {
    const TextCase cases[] = {
        {1000, 2, 8, 1, 0, "", "1000"},    {1000, 2, 0, 1, 0, "", "1000.00"},
        {12.345, 2, 0, 1, 0, "", "12.35"}, {0.5, 2, 12, 1, 0, "", ".5"},
        {0.5, 2, 8, 1, 0, "", "0.5"},      {1000, 0, 0, 0.001, 0, "", "1"},
        {1234, 0, 0, 1, 25, "", "1225"},   {1234, 0, 0, 1, 0, "<> mm", "1234 mm"},
        {1234, 0, 0, 1, 0, "m", "1234m"},  {-0.001, 2, 0, 1, 0, "", "0.00"},
    };
    for (const TextCase& c : cases) {
        cmd::DimVars vars;
        vars.decimals = c.decimals;
        vars.zeros = c.zeros;
        vars.factor = c.factor;
        vars.round = c.round;
        vars.post = c.post;
        EXPECT_EQ(cmd::measuredText(vars, c.measurement), c.expected) << c.measurement;
    }
    EXPECT_EQ(cmd::shownText("", "12"), "12");
    EXPECT_EQ(cmd::shownText("<> TYP", "12"), "12 TYP");
    EXPECT_EQ(cmd::shownText("X", "12"), "X");
}

} // namespace
} // namespace vma::test
