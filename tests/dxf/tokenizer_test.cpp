// Focus: group-code lines as writers pad them (the hand-parsed short form) and
// the forms that fall back to the general parser: signs, trailing blanks, tabs,
// five digits, out-of-range and non-numeric codes; CR LF and LF line ends.
#include "host/dxf/tokenizer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vma {
namespace {

using Status = dxf::Tokenizer::Status;

struct CodeCase {
    const char* line;
    Status status;
    int code;
};

class CodeLine : public testing::TestWithParam<CodeCase> {};

TEST_P(CodeLine, ParsesAsTheGeneralRulesSay) {
    const CodeCase& c = GetParam();
    std::string text = std::string(c.line) + "\r\nvalue\r\n";
    dxf::Tokenizer tokens(text);
    dxf::Token t;
    ASSERT_EQ(tokens.next(t), c.status) << c.line;
    if (c.status != Status::Ok)
        return;
    EXPECT_EQ(t.code, c.code);
    EXPECT_EQ(t.value, "value");
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, CodeLine,
    testing::Values(CodeCase{"  0", Status::Ok, 0}, CodeCase{" 10", Status::Ok, 10},
                    CodeCase{"330", Status::Ok, 330}, CodeCase{"1071", Status::Ok, 1071},
                    CodeCase{"0", Status::Ok, 0}, CodeCase{"  -5", Status::Ok, -5},
                    CodeCase{" 10 ", Status::Ok, 10}, CodeCase{"\t8", Status::Ok, 8},
                    CodeCase{"00010", Status::Ok, 10}, CodeCase{"32767", Status::Ok, 32767},
                    CodeCase{"32768", Status::BadCode, 0}, CodeCase{"   ", Status::BadCode, 0},
                    CodeCase{"", Status::BadCode, 0}, CodeCase{" 1a", Status::BadCode, 0},
                    CodeCase{"+10", Status::BadCode, 0}, CodeCase{"1 0", Status::BadCode, 0}));

TEST(Tokenizer, LineEndsOfEitherKindAndCommentsSkipped) {
    dxf::Tokenizer tokens("999\ncomment\n  0\r\nLINE\n  8\nwall\r\n 10");
    dxf::Token t;
    ASSERT_EQ(tokens.next(t), Status::Ok);
    EXPECT_EQ(t.code, 0);
    EXPECT_EQ(t.value, "LINE");
    EXPECT_EQ(t.line, 3);
    ASSERT_EQ(tokens.next(t), Status::Ok);
    EXPECT_EQ(t.value, "wall");
    EXPECT_EQ(tokens.next(t), Status::Truncated);
}

// Values of every length around the eight-byte steps of the line scan, with
// either line end, and a last line without one.
TEST(Tokenizer, ValuesOfEveryLengthEndWhereTheirLineEnds) {
    std::string text;
    std::vector<std::string> values;
    for (size_t length = 0; length < 40; ++length) {
        values.push_back(std::string(length, static_cast<char>('a' + length % 26)));
        text += " 1\n" + values.back() + (length % 3 == 0 ? "\n" : "\r\n");
    }
    values.push_back("tail without a line end");
    text += "  1\r\n" + values.back();
    dxf::Tokenizer tokens(text);
    dxf::Token t;
    for (size_t i = 0; i < values.size(); ++i) {
        ASSERT_EQ(tokens.next(t), Status::Ok) << i;
        EXPECT_EQ(t.value, values[i]) << i;
        EXPECT_EQ(t.line, static_cast<long>(2 * i + 1));
    }
    EXPECT_EQ(tokens.next(t), Status::End);
}

} // namespace
} // namespace vma
