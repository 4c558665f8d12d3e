// Damaged and foreign input: each case gives a clear Error naming the line or
// a drawing with a warning naming the problem, never a crash or a hang.
#include "dxf/dxf_test_support.h"

#include <gtest/gtest.h>

using namespace vma;

namespace {

const std::string kLine = test::dxfText({{0, "LINE"},
                                         {8, "0"},
                                         {10, "1.0"},
                                         {20, "2.0"},
                                         {30, "0.0"},
                                         {11, "3.0"},
                                         {21, "4.0"},
                                         {31, "0.0"}});
const std::string kEntitiesStart = test::dxfText({{0, "SECTION"}, {2, "ENTITIES"}});
const std::string kEnd = test::dxfText({{0, "ENDSEC"}, {0, "EOF"}});

struct Case {
    const char* name;
    std::string input;
    bool error;          // an Error rather than a drawing
    const char* message; // part of the error or of one warning
    long line;           // line named by the error or that warning (0: any)
    size_t entities;     // entities in the recovered drawing
};

std::vector<Case> cases() {
    return {
        {"empty", "", true, "empty", 1, 0},
        {"blank lines", "\r\n\n  \n", true, "empty", 1, 0},
        {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), true, "binary", 1, 0},
        {"not dxf", "hello world\nthis is text\n", true, "not a DXF file", 1, 0},
        {"starts without section", test::dxfText({{0, "LINE"}}), true, "0 SECTION", 1, 0},
        {"junk group code", kEntitiesStart + kLine + "12x\r\n5\r\n" + kEnd, true, "group code", 21,
         0},
        {"truncated inside an entity", kEntitiesStart + kLine.substr(0, 40), false, "EOF", 0, 1},
        {"missing EOF", kEntitiesStart + kLine + test::dxfText({{0, "ENDSEC"}}), false,
         "without EOF", 0, 1},
        {"missing ENDSEC", kEntitiesStart + kLine + test::dxfText({{0, "EOF"}}), false, "ENDSEC",
         21, 1},
        {"code without value", kEntitiesStart + kLine + " 10", false, "without its value", 21, 1},
        {"text for a number",
         kEntitiesStart + test::dxfText({{0, "CIRCLE"}, {8, "0"}, {10, "abc"}, {40, "1"}}) + kEnd,
         false, "'abc' is not a usable number", 10, 1},
        {"NaN coordinate",
         kEntitiesStart + test::dxfText({{0, "POINT"}, {10, "nan"}, {20, "inf"}}) + kEnd, false,
         "'nan'", 8, 1},
        {"huge coordinate",
         kEntitiesStart + test::dxfText({{0, "POINT"}, {10, "1e999"}, {20, "1e300"}}) + kEnd, false,
         "'1e999'", 8, 1},
        {"odd group codes",
         kEntitiesStart + test::dxfText({{0, "LINE"}, {-3, "x"}, {32000, "y"}, {8, "0"}}) + kEnd,
         false, "", 0, 1},
        {"section order",
         kEntitiesStart + kLine +
             test::dxfText(
                 {{0, "ENDSEC"}, {0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}}) +
             kEnd,
         false, "", 0, 1},
        {"unknown section",
         test::dxfText({{0, "SECTION"}, {2, "WHATEVER"}, {0, "X"}, {0, "ENDSEC"}}) +
             kEntitiesStart + kLine + kEnd,
         false, "unknown section WHATEVER", 0, 1},
        {"vertex without polyline",
         kEntitiesStart + test::dxfText({{0, "VERTEX"}, {10, "0"}}) + kLine + kEnd, false,
         "VERTEX without its main entity", 5, 1},
        {"polyline without seqend",
         kEntitiesStart + test::dxfText({{0, "POLYLINE"}, {66, "1"}, {0, "VERTEX"}}) + kLine + kEnd,
         false, "POLYLINE without SEQEND", 11, 4},
        {"group outside a section",
         test::dxfText({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}, {8, "x"}}) + kEnd, false,
         "outside a section", 7, 0},
        {"byte order mark", "\xEF\xBB\xBF" + kEntitiesStart + kLine + kEnd, false, "", 0, 1},
        {"duplicate handles",
         kEntitiesStart + test::dxfText({{0, "POINT"}, {5, "A"}, {0, "POINT"}, {5, "A"}}) + kEnd,
         false, "used more than once", 0, 2},
        {"duplicate handles out of order",
         kEntitiesStart +
             test::dxfText(
                 {{0, "POINT"}, {5, "B"}, {0, "POINT"}, {5, "A"}, {0, "POINT"}, {5, "B"}}) +
             kEnd,
         false, "handle B is used more than once", 0, 3},
        {"an entity's handle on an object",
         kEntitiesStart +
             test::dxfText({{0, "POINT"},
                            {5, "C"},
                            {0, "ENDSEC"},
                            {0, "SECTION"},
                            {2, "OBJECTS"},
                            {0, "DICTIONARY"},
                            {5, "C"}}) +
             kEnd,
         false, "handle C is used more than once", 0, 1},
    };
}

class BadInput : public testing::TestWithParam<Case> {};

TEST_P(BadInput, GivesAClearResult) {
    const Case& c = GetParam();
    auto result = dxf::read(c.input);
    if (c.error) {
        ASSERT_FALSE(result) << c.name;
        EXPECT_NE(result.error().message.find(c.message), std::string::npos)
            << result.error().message;
        EXPECT_EQ(result.error().line, c.line);
        return;
    }
    ASSERT_TRUE(result) << c.name << ": " << result.error().message;
    EXPECT_EQ(result->db->entityCount(), c.entities) << c.name;
    if (std::string_view(c.message).empty())
        return;
    bool found = false;
    for (const auto& w : result->warnings)
        found |=
            w.message.find(c.message) != std::string::npos && (c.line == 0 || w.line == c.line);
    EXPECT_TRUE(found) << c.name << ": "
                       << (result->warnings.empty() ? "no warnings"
                                                    : result->warnings[0].message + " @" +
                                                          std::to_string(result->warnings[0].line));
    // Whatever was recovered writes a file that reads back without complaint.
    auto again = dxf::read(test::written(*result->db));
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(Dxf, BadInput, testing::ValuesIn(cases()), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST(BadInput, WarningsAreCapped) {
    std::string input = kEntitiesStart;
    for (int i = 0; i < 5000; ++i)
        input += test::dxfText({{0, "POINT"}, {10, "x"}});
    input += kEnd;
    auto result = dxf::read(input);
    ASSERT_TRUE(result);
    EXPECT_LE(result->warnings.size(), 101u);
    EXPECT_NE(result->warnings.back().message.find("further problems"), std::string::npos);
}

} // namespace
