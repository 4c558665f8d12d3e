// TEXT, STYLE and TEXTSTYLE: the prompts, the groups 10/11/72/73 each
// justification leaves, heights from the style or the prompt, lines placed
// under each other, and styles made and made current.
#include "cmdtext_fixture.h"

#include <cmath>

namespace vma::test {
namespace {

class TextCommand : public CmdTextTest {
protected:
    const db::GroupList& onlyText() {
        auto texts = entities("TEXT");
        EXPECT_EQ(texts.size(), 1u);
        return texts.back()->groups;
    }
    void fixStyleHeight(double height) {
        auto index = db().findRecord(db::TableKind::Style, "Standard");
        db::GroupList g = db().record(db::TableKind::Style, *index).groups;
        g.setReal(40, height);
        db().replaceRecord(db::TableKind::Style, *index, std::move(g));
    }
};

TEST_F(TextCommand, LeftTextAsksHeightRotationAndText) {
    run(L"TEXT", {L"10,20", L"", L"0", L"Hello world", L""});
    const db::GroupList& g = onlyText();
    EXPECT_EQ(pointOf(g, 10), (std::array<double, 3>{10, 20, 0}));
    EXPECT_DOUBLE_EQ(g.findReal(40).value_or(0), 2.5);
    EXPECT_EQ(g.findText(1).value_or(""), "Hello world");
    EXPECT_EQ(g.findText(7).value_or(""), "Standard");
    EXPECT_LT(g.find(11), 0);
    EXPECT_LT(g.find(72), 0);
    EXPECT_TRUE(said(L"Current text style:  \"Standard\"  Text height:  2.5000  Annotative:  No  "
                     L"Justify:  Left\n"));
    EXPECT_TRUE(said(L"Specify start point of text or [Justify/Style]: "));
    EXPECT_TRUE(said(L"Specify height <2.5000>: "));
    EXPECT_TRUE(said(L"Specify rotation angle of text <0>: "));
    EXPECT_TRUE(said(L"Enter text: "));
}

struct JustifyCase {
    const wchar_t* option;
    int horizontal, vertical;
    double dx, dy; // group 10 minus group 11 for "ABCD" at height 3, rotation 0
};

// "ABCD" is 4 x 0.8 x 3 = 9.6 wide in the host's layout; baseline offsets
// are 1/3 of the height above the bottom, half below the middle, the height below the top.
constexpr JustifyCase kJustify[] = {
    {L"_C", 1, 0, -4.8, 0},  {L"_R", 2, 0, -9.6, 0},     {L"_M", 4, 0, -4.8, -1.5},
    {L"_TL", 0, 3, 0, -3},   {L"_TC", 1, 3, -4.8, -3},   {L"_TR", 2, 3, -9.6, -3},
    {L"_ML", 0, 2, 0, -1.5}, {L"_MC", 1, 2, -4.8, -1.5}, {L"_MR", 2, 2, -9.6, -1.5},
    {L"_BL", 0, 1, 0, 1},    {L"_BC", 1, 1, -4.8, 1},    {L"_BR", 2, 1, -9.6, 1},
};

TEST_F(TextCommand, JustificationsAtTheFirstPromptAndAfterJustify) {
    for (bool afterJ : {false, true}) {
        for (const JustifyCase& c : kJustify) {
            restart();
            if (afterJ)
                run(L"TEXT",
                    {L"_J", std::wstring(c.option).substr(1), L"100,50", L"3", L"0", L"ABCD", L""});
            else
                run(L"TEXT", {c.option, L"100,50", L"3", L"0", L"ABCD", L""});
            const db::GroupList& g = onlyText();
            SCOPED_TRACE(wideToUtf8(c.option));
            EXPECT_EQ(g.findInt(72).value_or(0), c.horizontal);
            EXPECT_EQ(g.findInt(73).value_or(0), c.vertical);
            EXPECT_EQ(pointOf(g, 11), (std::array<double, 3>{100, 50, 0}));
            EXPECT_NEAR(g.findReal(10).value_or(0), 100 + c.dx, 1e-9);
            EXPECT_NEAR(g.findReal(20).value_or(0), 50 + c.dy, 1e-9);
        }
    }
}

TEST_F(TextCommand, RightJustifiedRotatedTextStartsAlongItsDirection) {
    run(L"TEXT", {L"_R", L"0,0", L"2.5", L"90", L"AB", L""});
    const db::GroupList& g = onlyText();
    EXPECT_NEAR(g.findReal(50).value_or(0), 90, 1e-9);
    EXPECT_NEAR(g.findReal(10).value_or(1), 0, 1e-9);
    EXPECT_NEAR(g.findReal(20).value_or(0), -4, 1e-9); // 2 x 0.8 x 2.5 back along +Y
}

TEST_F(TextCommand, AlignAndFitBetweenTwoPoints) {
    run(L"TEXT", {L"_A", L"0,0", L"16,0", L"ABCD", L""});
    const db::GroupList& aligned = entities("TEXT").back()->groups;
    EXPECT_EQ(aligned.findInt(72).value_or(0), 3);
    EXPECT_EQ(pointOf(aligned, 11), (std::array<double, 3>{16, 0, 0}));
    EXPECT_NEAR(aligned.findReal(40).value_or(0), 5, 1e-9); // 16 / (4 x 0.8)
    EXPECT_FALSE(said(L"Specify height"));

    run(L"TEXT", {L"_F", L"0,10", L"16,10", L"", L"ABCD", L""});
    const db::GroupList& fitted = entities("TEXT").back()->groups;
    EXPECT_EQ(fitted.findInt(72).value_or(0), 5);
    EXPECT_NEAR(fitted.findReal(41).value_or(0), 2, 1e-9); // 16 / (4 x 0.8 x 2.5)
    EXPECT_FALSE(said(L"Specify rotation angle"));
}

TEST_F(TextCommand, FixedStyleHeightSkipsTheHeightPrompt) {
    fixStyleHeight(5);
    // As the drafting module sends it: justification, point, rotation, text.
    run(L"TEXT", {L"_TL", L"1,2", L"0", L"Label", L""});
    EXPECT_DOUBLE_EQ(onlyText().findReal(40).value_or(0), 5);
    EXPECT_FALSE(said(L"Specify height"));
    EXPECT_TRUE(said(L"Text height:  5.0000"));
}

TEST_F(TextCommand, TypedHeightBecomesTextSize) {
    run(L"TEXT", {L"0,0", L"3.5", L"0", L"x", L""});
    EXPECT_DOUBLE_EQ(realVar("TEXTSIZE"), 3.5);
}

TEST_F(TextCommand, LinesFollowEachOtherAndEnterContinuesBelow) {
    run(L"TEXT", {L"_J", L"TL", L"0,0", L"3", L"0", L"one", L"two", L""});
    run(L"TEXT", {L"", L"three", L""});
    auto texts = entities("TEXT");
    ASSERT_EQ(texts.size(), 3u);
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]->groups.findInt(73).value_or(0), 3);
        EXPECT_NEAR(texts[i]->groups.findReal(21).value_or(1), -5.0 * static_cast<double>(i), 1e-9);
    }
    EXPECT_EQ(texts[2]->groups.findText(1).value_or(""), "three");
}

TEST_F(TextCommand, FromAScriptOneLineEndsTheCommand) {
    driver->type(L"0,0").type(L"").type(L"0").type(L"only").type(L"LINE");
    input::runCommand(L"TEXT", *input::CommandRegistry::get().find(L"TEXT"), true);
    EXPECT_EQ(entities("TEXT").size(), 1u);
    EXPECT_EQ(driver->pending(), 1u);
}

TEST_F(TextCommand, StyleOptionNeedsAnExistingStyle) {
    run(L"TEXT", {L"_S", L"Nope", L"Standard", L"0,0", L"", L"0", L"x", L""});
    EXPECT_TRUE(said(L"Cannot find text style \"Nope\"."));
    EXPECT_EQ(entities("TEXT").size(), 1u);
}

TEST_F(TextCommand, EscapeMakesNothing) {
    driver->type(L"0,0").esc();
    input::runCommand(L"TEXT", *input::CommandRegistry::get().find(L"TEXT"), false);
    EXPECT_TRUE(entities("TEXT").empty());
}

TEST_F(TextCommand, SequencesTheDraftingModuleSends) {
    // A fixed style height, then "_.TEXTSTYLE" name; texts with a justification option.
    fixStyleHeight(2);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.TEXTSTYLE", RTSTR, L"Standard", RTNONE), RTNORM);
    ads_point at = {10, 10, 0};
    EXPECT_EQ(acedCommandS(RTSTR, L"_.TEXT", RTSTR, L"_TC", RTPOINT, at, RTREAL, 0.0, RTSTR,
                           L"Pile 1", RTNONE),
              RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.TEXT", RTSTR, L"_L", RTPOINT, at, RTREAL, 45.0, RTSTR,
                           L"left", RTNONE),
              RTNORM);
    // Variable height: "_J" "TL", height and rotation, then lines continued below.
    fixStyleHeight(0);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.TEXT", RTSTR, L"_J", RTSTR, L"TL", RTPOINT, at, RTREAL, 5.0,
                           RTREAL, 0.0, RTSTR, L"Start R : 12.00", RTNONE),
              RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.TEXT", RTSTR, L"", RTSTR, L"Einde R : 8.00", RTNONE), RTNORM);
    auto texts = entities("TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0]->groups.findInt(73).value_or(0), 3);
    EXPECT_DOUBLE_EQ(texts[0]->groups.findReal(40).value_or(0), 2);
    EXPECT_NEAR(texts[1]->groups.findReal(50).value_or(0), 45, 1e-9);
    EXPECT_DOUBLE_EQ(texts[3]->groups.findReal(40).value_or(0), 5);
    EXPECT_NEAR(texts[3]->groups.findReal(21).value_or(0), 10 - 5 * 5.0 / 3.0, 1e-9);
    EXPECT_EQ(texts[3]->groups.findText(1).value_or(""), "Einde R : 8.00");
}

TEST_F(TextCommand, StyleCommandMakesAStyleCurrent) {
    run(L"-STYLE", {L"Label", L"arial.ttf", L"3.5", L"0.8", L"15", L"Y", L""});
    auto index = db().findRecord(db::TableKind::Style, "LABEL");
    ASSERT_TRUE(index);
    const db::GroupList& g = db().record(db::TableKind::Style, *index).groups;
    EXPECT_DOUBLE_EQ(g.findReal(40).value_or(0), 3.5);
    EXPECT_DOUBLE_EQ(g.findReal(41).value_or(0), 0.8);
    EXPECT_DOUBLE_EQ(g.findReal(50).value_or(0), 15);
    EXPECT_EQ(g.findInt(71).value_or(0), 2);
    EXPECT_EQ(g.findText(3).value_or(""), "arial.ttf");
    EXPECT_EQ(textVar("TEXTSTYLE"), "Label");
    EXPECT_FALSE(said(L"Vertical?"));
    EXPECT_TRUE(said(L"\"Label\" is now the current text style."));
}

TEST_F(TextCommand, StyleCommandKeepsAnExistingStylesSettingsOnEnter) {
    run(L"STYLE", {L"", L"", L"", L"", L"", L"", L"", L""});
    EXPECT_TRUE(said(L"Enter name of text style or [?] <Standard>: "));
    EXPECT_TRUE(said(L"Specify full font name or font filename (TTF or SHX) <txt>: "));
    EXPECT_TRUE(said(L"Vertical? [Yes/No] <No>: "));
    auto style =
        db().record(db::TableKind::Style, *db().findRecord(db::TableKind::Style, "Standard"));
    EXPECT_EQ(style.groups.findText(3).value_or(""), "txt");
    EXPECT_DOUBLE_EQ(style.groups.findReal(41).value_or(0), 1);
}

TEST_F(TextCommand, ObliqueAngleOutOfRangeIsAskedAgain) {
    run(L"STYLE", {L"Slanted", L"", L"0", L"1", L"86", L"-20", L"", L"", L""});
    auto index = db().findRecord(db::TableKind::Style, "Slanted");
    ASSERT_TRUE(index);
    EXPECT_DOUBLE_EQ(db().record(db::TableKind::Style, *index).groups.findReal(50).value_or(0),
                     -20);
    EXPECT_TRUE(said(L"Value must be between -85 and 85."));
}

TEST_F(TextCommand, TextStyleOnlyNamesAnExistingStyle) {
    run(L"STYLE", {L"Second", L"", L"", L"", L"", L"", L"", L""});
    run(L"TEXTSTYLE", {L"Standard"});
    EXPECT_EQ(textVar("TEXTSTYLE"), "Standard");
    EXPECT_TRUE(said(L"Enter new value for TEXTSTYLE <\"Second\">: "));
    driver->type(L"Missing");
    input::runCommand(L"TEXTSTYLE", *input::CommandRegistry::get().find(L"TEXTSTYLE"), false);
    EXPECT_TRUE(said(L"Cannot find text style \"Missing\"."));
    EXPECT_EQ(textVar("TEXTSTYLE"), "Standard");
}

} // namespace
} // namespace vma::test
