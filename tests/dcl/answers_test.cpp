// The one-line directives that answer dialogs: each verb's arguments, and
// the lines that are refused with a reason.
#include "host/dcl/answers.h"

#include <gtest/gtest.h>

namespace vma::dcl {
namespace {

struct Good {
    const char* line;
    const char* described;
};

class Directives : public ::testing::TestWithParam<Good> {};

TEST_P(Directives, ParseAndDescribeBack) {
    auto action = parseDirective(GetParam().line);
    ASSERT_TRUE(action.ok()) << action.error().message;
    EXPECT_EQ(describe(action.value()), GetParam().described);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Directives,
    ::testing::Values(Good{"#dlg set name hello world", "#dlg set name \"hello world\""},
                      Good{"  #dlg set name \" padded \"  ", "#dlg set name \" padded \""},
                      Good{"#dlg set name", "#dlg set name \"\""},
                      Good{"#dlg pick lst 0 3 7", "#dlg pick lst 0 3 7"},
                      Good{"#dlg double lst 2", "#dlg double lst 2"},
                      Good{"#dlg toggle t", "#dlg toggle t"},
                      Good{"#dlg choose r1", "#dlg choose r1"},
                      Good{"#dlg click img 4 -5", "#dlg click img 4 -5"},
                      Good{"#dlg press accept", "#dlg press accept"},
                      Good{"#dlg drag s 12", "#dlg drag s \"12\""},
                      Good{"#dlg move 10 20", "#dlg move 10 20"}, Good{"#dlg\tshow", "#dlg show"}));

struct Bad {
    const char* line;
    const char* message;
};

class BadDirectives : public ::testing::TestWithParam<Bad> {};

TEST_P(BadDirectives, SayWhatIsWrong) {
    auto action = parseDirective(GetParam().line);
    ASSERT_FALSE(action.ok());
    EXPECT_EQ(action.error().message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDirectives,
    ::testing::Values(Bad{"#dlgx press a", "not a dialog directive: #dlgx press a"},
                      Bad{"#dlg jump a", "#dlg: unknown action \"jump\""},
                      Bad{"#dlg press", "#dlg press: a tile key is missing"},
                      Bad{"#dlg press a b", "#dlg press: unexpected \"b\""},
                      Bad{"#dlg pick lst", "#dlg pick: line indexes expected"},
                      Bad{"#dlg pick lst 1 x", "#dlg pick: expected a line index, found \"x\""},
                      Bad{"#dlg double lst 1 2", "#dlg double: one line index expected"},
                      Bad{"#dlg click img 4", "#dlg click: expected y, found \"\""},
                      Bad{"#dlg move 1 2 3", "#dlg move: unexpected \"3\""}));

TEST(DialogAnswers, FirstInFirstOut) {
    DialogAnswers answers;
    answers.push(parseDirective("#dlg press a").value());
    answers.push(parseDirective("#dlg press b").value());
    EXPECT_EQ(answers.pop()->key, "a");
    EXPECT_EQ(answers.pop()->key, "b");
    EXPECT_FALSE(answers.pop());
}

} // namespace
} // namespace vma::dcl
