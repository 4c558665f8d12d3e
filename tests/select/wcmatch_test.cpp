// Wildcard patterns: every special character, sets and their literal corner
// cases, alternatives with their own negation, escapes, case folding, and the
// acutWcMatch boundary.
#include "acutads.h"
#include "host/base/text.h"
#include "host/db/wcmatch.h"

#include <gtest/gtest.h>

using vma::db::WcCase;
using vma::db::wcMatch;
using vma::db::WcPattern;

namespace {

struct WcCaseRow {
    const wchar_t* text;
    const wchar_t* pattern;
    bool matches;
};

const WcCaseRow kRows[] = {
    // Literals, case-sensitive.
    {L"ABC", L"ABC", true},
    {L"ABC", L"abc", false},
    {L"", L"", true},
    {L"A", L"", false},
    // Runs and single characters.
    {L"", L"*", true},
    {L"ABC", L"A*", true},
    {L"ABC", L"*C", true},
    {L"ABC", L"*B*", true},
    {L"ab", L"a**b", true},
    {L"ABC", L"A?C", true},
    {L"AC", L"A?C", false},
    {L"mississippi", L"m*iss*ppi", true},
    {L"aaaaaaaaaaaaaaaaaaaaaaaab", L"*a*a*a*a*a*a*c", false},
    // Classes: digit, letter, neither.
    {L"A1", L"A#", true},
    {L"AB", L"A#", false},
    {L"AB", L"A@", true},
    {L"A1", L"A@", false},
    {L"A-", L"A.", true},
    {L"AB", L"A.", false},
    {L"A1", L"A.", false},
    {L"\u00C9", L"@", true},
    {L"\u00E91", L"@#", true},
    {L"\u20AC", L".", true},
    {L"\u00D7", L".", true},
    // Negation of the whole alternative.
    {L"ABC", L"~ABC", false},
    {L"ABD", L"~ABC", true},
    {L"a", L"~", true},
    {L"", L"~", false},
    // Sets, ranges and their literal members.
    {L"B", L"[ABC]", true},
    {L"D", L"[ABC]", false},
    {L"D", L"[~ABC]", true},
    {L"A", L"[~ABC]", false},
    {L"3", L"[1-38]", true},
    {L"8", L"[1-38]", true},
    {L"5", L"[1-38]", false},
    {L"-", L"[-AB]", true},
    {L"-", L"[AB-]", true},
    {L"-", L"[~-AB]", false},
    {L"C", L"[~-AB]", true},
    {L"]", L"[]AB]", true},
    {L"]", L"[~]AB]", false},
    {L"~", L"[A~B]", true},
    {L"a*b", L"a[*]b", true},
    {L"axb", L"a[*]b", false},
    {L"a,b", L"a[,]b", true},
    {L"[", L"[", true},
    {L"this is a test1 end", L"*test[4-61]*", true},
    {L"this is a test1 end", L"*test[4-69]*", false},
    // Alternatives, each with its own negation.
    {L"XYZ1", L"ABC,XYZ*", true},
    {L"ABC", L"ABC,XYZ*", true},
    {L"XY", L"ABC,XYZ*", false},
    {L"B", L"~A,B", true},
    {L"C", L"~A,B", true},
    {L"A", L"~A,B", false},
    {L"A", L"~A,~B", true},
    // Escapes.
    {L"A,B", L"A`,B", true},
    {L"A,B", L"*`,*", true},
    {L"AB", L"*`,*", false},
    {L"*U2", L"`*U2", true},
    {L"XU2", L"`*U2", false},
    {L"a#", L"a`#", true},
    {L"a1", L"a`#", false},
    {L"a`", L"a`", true},
};

TEST(WcMatch, TableOfPatterns) {
    for (const auto& row : kRows)
        EXPECT_EQ(wcMatch(std::wstring_view(row.text), std::wstring_view(row.pattern)), row.matches)
            << vma::wideToUtf8(row.text) << " against " << vma::wideToUtf8(row.pattern);
}

TEST(WcMatch, FoldsCaseWhenAsked) {
    EXPECT_TRUE(WcPattern(L"walls*", WcCase::Insensitive).matches(std::wstring_view(L"WALLS2")));
    EXPECT_TRUE(WcPattern(L"[a-c]x", WcCase::Insensitive).matches(std::wstring_view(L"Bx")));
    EXPECT_TRUE(WcPattern(L"\u00E9", WcCase::Insensitive).matches(std::wstring_view(L"\u00C9")));
    EXPECT_TRUE(WcPattern(L"~line", WcCase::Insensitive).matches(std::wstring_view(L"CIRCLE")));
    EXPECT_FALSE(WcPattern(L"~line", WcCase::Insensitive).matches(std::wstring_view(L"Line")));
}

TEST(WcMatch, TakesUtf8) {
    EXPECT_TRUE(wcMatch(std::string_view("\xC3\x84"
                                         "1"),
                        std::string_view("@#")));
    EXPECT_TRUE(wcMatch(std::string_view("M\xC3\xBCller"), std::string_view("M?ller")));
    EXPECT_TRUE(
        WcPattern(L"M\u00DCLLER", WcCase::Insensitive).matches(std::string_view("m\xC3\xBCller")));
}

TEST(WcMatch, AcutWcMatchAnswersWithStatusCodes) {
    EXPECT_EQ(acutWcMatch(L"ABC", L"A*"), RTNORM);
    EXPECT_EQ(acutWcMatch(L"ABC", L"a*"), RTERROR);
    EXPECT_EQ(acutWcMatch(nullptr, L"*"), RTERROR);
    EXPECT_EQ(acutWcMatch(L"ABC", nullptr), RTERROR);
}

} // namespace
