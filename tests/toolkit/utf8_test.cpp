// The module's UTF-8 edge: round trips of every plane, damaged bytes read as
// U+FFFD instead of ending the line, and unwritable code units replaced.
#include "toolkit/dv_utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsEveryPlane) {
    const std::wstring text = L"A\u00e9\u20ac\U0001F600z";
    EXPECT_EQ(dv_from_utf8(dv_to_utf8(text)), text);
    EXPECT_EQ(dv_to_utf8(L"\u00e9"), "\xC3\xA9");
}

TEST(Utf8, DamagedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(dv_from_utf8("a\x80"
                           "b"),
              L"a\uFFFDb");
    EXPECT_EQ(dv_from_utf8("a\xC3"), L"a\uFFFD"); // cut short at the end
    EXPECT_EQ(dv_to_utf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}
