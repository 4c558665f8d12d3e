// The checked formatter: conversions that fit their argument are printed as
// C's printf would; any mismatch, missing argument or unsafe conversion shows
// a visible placeholder.
#include "toolkit/dv_format.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const wchar_t* format;
    DvArg arg;
    const wchar_t* expected;
};

class FormatOne : public ::testing::TestWithParam<Case> {};

TEST_P(FormatOne, FormatsOrShowsPlaceholder) {
    const Case& c = GetParam();
    const DvArg args[] = {c.arg};
    EXPECT_EQ(dv_format(c.format, args), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fitting, FormatOne,
    ::testing::Values(
        Case{L"Regel %d van %s", dv_arg(7), L"Regel 7 van <%s?>"},
        Case{L"%s", dv_arg(L"tekst"), L"tekst"}, Case{L"[%-6s]", dv_arg(L"ab"), L"[ab    ]"},
        Case{L"%.2lf", dv_arg(3.14159), L"3.14"}, Case{L"%8.3f|", dv_arg(2.5), L"   2.500|"},
        Case{L"%05d", dv_arg(42), L"00042"}, Case{L"%8lx", dv_arg(255), L"      ff"},
        Case{L"%hd", dv_arg(70000), L"4464"}, Case{L"%c", dv_arg(65), L"A"},
        Case{L"100%% klaar", dv_arg(1), L"100% klaar"}, Case{L"%g", dv_arg(1e38), L"1e+38"},
        Case{L"%ls", dv_arg(L"breed"), L"breed"}));

INSTANTIATE_TEST_SUITE_P(
    Mismatched, FormatOne,
    ::testing::Values(Case{L"%d", dv_arg(2.5), L"<%d?>"}, Case{L"%f", dv_arg(2), L"<%f?>"},
                      Case{L"%s", dv_arg(12), L"<%s?>"}, Case{L"%d", dv_arg(L"tekst"), L"<%d?>"},
                      Case{L"%*d", dv_arg(3), L"<%*d?>"}, Case{L"%n", dv_arg(3), L"<%n?>"},
                      Case{L"%p", dv_arg(3), L"<%p?>"}, Case{L"%99999d", dv_arg(3), L"<%99999d?>"},
                      Case{L"%.5000f", dv_arg(1.0), L"<%.5000f?>"},
                      Case{L"waarde %", dv_arg(1), L"waarde <%?>"},
                      Case{L"%y", dv_arg(1), L"<%y?>"}, Case{L"%s", DvArg{}, L"<%s?>"}));

TEST(Format, SecondConversionWithoutArgumentIsPlaceholder) {
    EXPECT_EQ(dv_formatf(L"( %d . <Entity name : %8lx>)", 5), L"( 5 . <Entity name : <%8lx?>>)");
}

TEST(Format, SeveralArgumentsTakenInOrder) {
    EXPECT_EQ(dv_formatf(L"bereik %d - %d, %ld, %hd, %u", -5, 5, -7L, -3, -1),
              L"bereik -5 - 5, -7, -3, 4294967295");
    EXPECT_EQ(dv_formatf(L"Regel %d komt niet voor in rubriek %d (max = %d)", 6, 100, 5),
              L"Regel 6 komt niet voor in rubriek 100 (max = 5)");
}

TEST(Format, TextWithoutConversionsIsCopied) {
    EXPECT_EQ(dv_formatf(L"Nog leeg!"), L"Nog leeg!");
}

} // namespace
