// acedInitGet keyword lists: which typed answers name which keyword, with
// capitals, comma forms and local/global pairs.
#include "host/input/keywords.h"

#include <gtest/gtest.h>

namespace vma::input {
namespace {

struct Case {
    const wchar_t* list;
    const wchar_t* typed;
    const wchar_t* expected; // nullptr: no keyword
};

TEST(Keywords, TypedAnswersMatchTheirKeyword) {
    const Case cases[] = {
        {L"LType Width", L"lt", L"LType"},
        {L"LType Width", L"LTYP", L"LType"},
        {L"LType Width", L"ltype", L"LType"},
        {L"LType Width", L"l", nullptr},
        {L"LType Width", L"ltypes", nullptr},
        {L"LType Width", L"w", L"Width"},
        {L"LTYPE,LT Width", L"LT", L"LTYPE"},
        {L"LTYPE,LT Width", L"LTY", L"LTYPE"},
        {L"LTYPE,LT Width", L"L", nullptr},
        {L"eXit", L"x", L"eXit"},
        {L"eXit", L"exit", L"eXit"},
        {L"eXit", L"e", nullptr},
        {L"Yes No", L"", nullptr},
        {L"Ja Nee _ Yes No", L"j", L"Yes"},
        {L"Ja Nee _ Yes No", L"N", L"No"},
        {L"Ja Nee _ Yes No", L"_yes", L"Yes"},
        {L"Ja Nee _ Yes No", L"_n", L"No"},
        {L"Ja Nee _ Yes No", L"_ja", nullptr},
        {L"Ja Nee _ Yes No", L"y", nullptr},
        {L"ALL", L"al", nullptr},
        {L"ALL", L"all", L"ALL"},
    };
    for (const auto& c : cases) {
        auto got = matchKeyword(parseInitGet(0, c.list), c.typed);
        if (!c.expected) {
            EXPECT_FALSE(got) << c.list << " / " << c.typed;
            continue;
        }
        ASSERT_TRUE(got) << c.list << " / " << c.typed;
        EXPECT_EQ(*got, c.expected) << c.list << " / " << c.typed;
    }
}

TEST(Keywords, FlagsAreKept) {
    InitGet init = parseInitGet(5, L"  A   B ");
    EXPECT_EQ(init.flags, 5);
    ASSERT_EQ(init.keywords.size(), 2u);
}

} // namespace
} // namespace vma::input
