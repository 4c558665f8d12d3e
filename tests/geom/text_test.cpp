// Texts: control and formatting codes, alignment points, style heights,
// MTEXT lines and attachment, texts carried through inserts.
#include "geom/drawing.h"
#include "host/geom/text_codes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace vma;
using namespace vma::test;
using geom::Primitive;
using geom::Vec3;

namespace {

constexpr double kEps = 1e-9;

TEST(TextCodes, PercentCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"%%c50", "\u00D850"},
        {"90%%d", "90\u00B0"},
        {"%%p0.5", "\u00B10.5"},
        {"%%uunder%%u", "under"},
        {"%%oover", "over"},
        {"100%%%", "100%"},
        {"%%065B", "AB"},
        {"50%", "50%"},
        {"%%", "%%"},
        {"\\U+00E9t\\U+00E9", "\u00E9t\u00E9"},
        {"%%D%%C", "\u00B0\u00D8"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(geom::expandControlCodes(in), out) << in;
}

TEST(TextCodes, MTextLinesAndFormatting) {
    using Lines = std::vector<std::string>;
    const std::pair<const char*, Lines> cases[] = {
        {"one\\Ptwo", {"one", "two"}},
        {"{\\H2.5x;\\C1;big} red", {"big red"}},
        {"\\fArial|b1|i0|c0|p34;bold\\P\\Lunder\\l", {"bold", "under"}},
        {"\\S1^2; and \\S3/4;", {"1/2 and 3/4"}},
        {"a\\\\b \\{c\\}", {"a\\b {c}"}},
        {"x\\~y", {"x\u00A0y"}},
        {"%%d\\P", {"\u00B0", ""}},
        {"\\A1;\\pxi-3,l3;\\W0.8;\\T1.1;\\Q15;text", {"text"}},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(geom::mtextLines(in), out) << in;
}

TEST(TextCodes, WrapAtSpaces) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(geom::wrapLines({"aaa bbb ccc"}, 7), (Lines{"aaa bbb", "ccc"}));
    EXPECT_EQ(geom::wrapLines({"aaa bbb ccc"}, 6), (Lines{"aaa", "bbb", "ccc"}));
    EXPECT_EQ(geom::wrapLines({"longword x", ""}, 4), (Lines{"longword", "x", ""}));
    EXPECT_EQ(geom::wrapLines({"\u00e9\u00e9 \u00e9\u00e9"}, 5),
              (Lines{"\u00e9\u00e9 \u00e9\u00e9"}));
}

TEST(Text, AlignmentPicksTheRightPoint) {
    struct Case {
        int h, v;
        Vec3 anchor;
        int halign, valign;
    };
    const Case cases[] = {
        {0, 0, {1, 1, 0}, 0, 0}, {1, 0, {9, 9, 0}, 1, 0}, {2, 3, {9, 9, 0}, 2, 3},
        {4, 0, {9, 9, 0}, 1, 2}, {0, 1, {9, 9, 0}, 0, 1}, {3, 0, {5, 5, 0}, 1, 0},
    };
    for (const auto& c : cases) {
        auto db = db::Database::createNew();
        add(*db, Groups("TEXT")
                     .point(10, 1, 1)
                     .real(40, 2)
                     .text(1, "abc")
                     .integer(72, c.h)
                     .point(11, 9, 9)
                     .integer(73, c.v));
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 1u);
        const Primitive& t = prims[0];
        EXPECT_NEAR(distance(t.points[0], c.anchor), 0, kEps) << c.h << "," << c.v;
        EXPECT_EQ(t.halign, c.halign);
        EXPECT_EQ(t.valign, c.valign);
    }
}

TEST(Text, StyleHeightAndWidthApplyWhenTheTextHasNone) {
    auto db = db::Database::createNew();
    db::TableRecord style;
    style.groups.addText(2, "FIXED");
    style.groups.addInt(70, 0);
    style.groups.addReal(40, 3.5);
    style.groups.addReal(41, 0.8);
    db->addRecord(db::TableKind::Style, style);
    add(*db, Groups("TEXT").point(10, 0, 0).real(40, 0).text(1, "x").text(7, "fixed"));
    add(*db, Groups("TEXT").point(10, 0, 0).real(40, 1).text(1, "y").text(7, "FIXED").real(41, 2));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 2u);
    EXPECT_DOUBLE_EQ(prims[0].height, 3.5);
    EXPECT_DOUBLE_EQ(prims[0].widthFactor, 0.8);
    EXPECT_DOUBLE_EQ(prims[1].height, 1);
    EXPECT_DOUBLE_EQ(prims[1].widthFactor, 2);
}

TEST(Text, InsertScalesAndTurnsTexts) {
    auto db = db::Database::createNew();
    uint32_t b = addBlock(*db, "T");
    add(*db, Groups("TEXT").point(10, 1, 0).real(40, 1).text(1, "t").real(50, 30), b);
    add(*db, Groups("INSERT").text(2, "T").point(10, 0, 0).real(41, 2).real(42, 2).real(50, 60));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_NEAR(prims[0].height, 2, kEps);
    EXPECT_NEAR(prims[0].rotation, std::numbers::pi / 2, kEps);
    EXPECT_NEAR(distance(prims[0].points[0], {1, std::sqrt(3.0), 0}), 0, kEps);
}

TEST(Text, MirroredInsertKeepsTextReadable) {
    struct Case {
        int halign;
        int expected;
    };
    for (Case c : {Case{0, 2}, Case{1, 1}, Case{2, 0}}) {
        auto db = db::Database::createNew();
        uint32_t b = addBlock(*db, "M");
        add(*db,
            Groups("TEXT").point(10, 1, 0).point(11, 1, 0).real(40, 1).text(1, "m").integer(
                72, c.halign),
            b);
        add(*db, Groups("INSERT").text(2, "M").point(10, 0, 0).real(41, -1));
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 1u);
        EXPECT_NEAR(prims[0].rotation, 0, kEps);
        EXPECT_EQ(prims[0].halign, c.expected);
        EXPECT_NEAR(distance(prims[0].points[0], {-1, 0, 0}), 0, kEps);
    }
}

TEST(Text, MTextLinesStackFromTheAttachmentPoint) {
    struct Case {
        int attachment;
        double firstTop; // Y of the first line's top, for height 1 and three lines
        int halign;
    };
    // Three lines of height 1 spaced 5/3: the block is 1 + 2 * 5/3 tall.
    const double total = 1 + 2 * 5.0 / 3.0;
    for (Case c : {Case{1, 10, 0}, Case{5, 10 + total / 2, 1}, Case{9, 10 + total, 2}}) {
        auto db = db::Database::createNew();
        add(*db, Groups("MTEXT")
                     .point(10, 0, 10)
                     .real(40, 1)
                     .integer(71, c.attachment)
                     .text(3, "first\\Psec")
                     .text(1, "ond\\Pthird"));
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 3u);
        EXPECT_EQ(prims[1].text, "second");
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(prims[i].valign, 3);
            EXPECT_EQ(prims[i].halign, c.halign);
            EXPECT_NEAR(prims[i].points[0].y, c.firstTop - static_cast<double>(i) * 5.0 / 3.0,
                        kEps);
        }
    }
}

TEST(Text, MTextWrapsAtItsReferenceWidth) {
    auto db = db::Database::createNew();
    double width = 8 * geom::kCharWidth; // eight characters of height 1
    add(*db, Groups("MTEXT").point(10, 0, 0).real(40, 1).real(41, width).text(1, "one two three"));
    std::vector<std::string> texts;
    for (const auto& p : draw(*db))
        texts.push_back(p.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"one two", "three"}));
}

TEST(Text, MTextDirectionVector) {
    auto db = db::Database::createNew();
    add(*db, Groups("MTEXT").point(10, 0, 0).real(40, 1).point(11, 0, 1, 0).text(1, "a\\Pb"));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 2u);
    EXPECT_NEAR(prims[0].rotation, std::numbers::pi / 2, kEps);
    // The second line sits to the right of the first when the text runs up.
    EXPECT_NEAR(prims[1].points[0].x, 5.0 / 3.0, kEps);
}

TEST(Text, BoxFollowsAlignmentAndRotation) {
    Primitive t;
    t.kind = Primitive::Kind::Text;
    t.points = {{10, 0, 0}};
    t.text = "ab";
    t.height = 1;
    t.halign = 2;
    t.rotation = std::numbers::pi / 2;
    auto box = geom::textBox(t);
    double w = geom::textWidth(t);
    EXPECT_NEAR(w, 2 * geom::kCharWidth, kEps);
    EXPECT_NEAR(distance(box[1], {10, 0, 0}), 0, kEps); // right aligned: ends at the anchor
    EXPECT_NEAR(distance(box[0], {10, -w, 0}), 0, kEps);
    EXPECT_NEAR(distance(box[2], {9, 0, 0}), 0, kEps);
}

} // namespace
