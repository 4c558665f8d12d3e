// Result buffers: what acutBuildList reads for each kind of type code, deep
// copies and releases (run under AddressSanitizer to catch leaks and double
// frees), and acutPrintf's reading of %s as a wide string.
#include "ads_fixture.h"

#include <cstring>

namespace vma::test {
namespace {

using AdsResbuf = AdsTest;

TEST_F(AdsResbuf, BuildListReadsEachValueByItsCode) {
    ads_point pt = {1, 2, 3};
    ads_name name = {7, 9};
    char bytes[] = {1, 2, 3};
    ads_binary chunk = {3, bytes};
    host::RbList list(acutBuildList(RTDXF0, L"LINE", 8, L"A", 10, pt, 62, 5, 90, 70000, 40, 2.5,
                                    RTLB, RTSTR, L"x", RTLE, -1, name, 310, &chunk, 1071, 12,
                                    RTINT64, int64_t(1) << 40, 0));
    ASSERT_NE(list.get(), nullptr);
    const resbuf* rb = list.get();
    EXPECT_EQ(rb->restype, 0); // RTDXF0 stands for group 0
    EXPECT_STREQ(rb->resval.rstring, L"LINE");
    EXPECT_EQ(textOf(rb, 8), L"A");
    EXPECT_EQ(findGroup(rb, 10)->resval.rpoint[Z], 3.0);
    EXPECT_EQ(findGroup(rb, 62)->resval.rint, 5);
    EXPECT_EQ(findGroup(rb, 90)->resval.rlong, 70000);
    EXPECT_EQ(findGroup(rb, 40)->resval.rreal, 2.5);
    EXPECT_EQ(countGroups(rb, RTLB), 1u);
    EXPECT_EQ(textOf(rb, RTSTR), L"x");
    EXPECT_EQ(findGroup(rb, -1)->resval.rlname[1], 9);
    EXPECT_EQ(findGroup(rb, 310)->resval.rbinary.clen, 3);
    EXPECT_EQ(findGroup(rb, 310)->resval.rbinary.buf[2], 3);
    EXPECT_EQ(findGroup(rb, 1071)->resval.rlong, 12);
    EXPECT_EQ(findGroup(rb, RTINT64)->resval.mnInt64, int64_t(1) << 40);
}

TEST_F(AdsResbuf, BuildListRefusesAnUnknownTypeWithoutLeaking) {
    EXPECT_EQ(acutBuildList(RTSTR, L"kept until here", 4999, 0), nullptr);
    EXPECT_EQ(acutBuildList(RTRESBUF, 0), nullptr);
}

TEST_F(AdsResbuf, DuplicateIsDeepAndReleasedSeparately) {
    char bytes[] = {9, 8};
    ads_binary chunk = {2, bytes};
    resbuf* original = acutBuildList(RTSTR, L"one", 1004, &chunk, RTSHORT, 3, 0);
    resbuf* copy = acutRbDup(original);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->resval.rstring, original->resval.rstring);
    EXPECT_NE(copy->rbnext->resval.rbinary.buf, original->rbnext->resval.rbinary.buf);
    acutRelRb(original);
    EXPECT_STREQ(copy->resval.rstring, L"one");
    EXPECT_EQ(copy->rbnext->resval.rbinary.buf[1], 8);
    EXPECT_EQ(copy->rbnext->rbnext->resval.rint, 3);
    EXPECT_EQ(acutRelRb(copy), RTNORM);
    EXPECT_EQ(acutRbDup(nullptr), nullptr);
    EXPECT_EQ(acutRelRb(nullptr), RTNORM);
}

TEST_F(AdsResbuf, NewBufferIsZeroed) {
    resbuf* rb = acutNewRb(RTSTR);
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, RTSTR);
    EXPECT_EQ(rb->rbnext, nullptr);
    EXPECT_EQ(rb->resval.rstring, nullptr);
    acutRelRb(rb); // a null string is fine to release
}

TEST_F(AdsResbuf, OwnerAppendsInOrderAndGivesUp) {
    host::RbList list;
    list.appendNew(RTSHORT)->resval.rint = 1;
    list.append(acutBuildList(RTSHORT, 2, RTSHORT, 3, 0));
    list.appendNew(RTSHORT)->resval.rint = 4;
    resbuf* head = list.release();
    EXPECT_EQ(list.get(), nullptr);
    int expected = 1;
    for (const resbuf* rb = head; rb; rb = rb->rbnext)
        EXPECT_EQ(rb->resval.rint, expected++);
    EXPECT_EQ(expected, 5);
    acutRelRb(head);
}

TEST_F(AdsResbuf, PrintfReadsWideStringsAsTheVendorDoes) {
    int n = acutPrintf(L"%s=%d %5.2f %c%%\n", L"Laag", 42, 3.14159, L'x');
    EXPECT_EQ(printed, L"Laag=42  3.14 x%\n");
    EXPECT_EQ(n, static_cast<int>(printed.size()));
    printed.clear();
    acutPrintf(L"%hs|%S|%ls|%-4s|", "narrow", "narrow", L"wide", L"ab");
    EXPECT_EQ(printed, L"narrow|narrow|wide|ab  |");
}

TEST(AdsKinds, GroupCodesTellHowValuesAreHeld) {
    using host::RbKind;
    struct Case {
        int code;
        RbKind kind;
    };
    const Case cases[] = {
        {0, RbKind::Text},       {8, RbKind::Text},      {10, RbKind::Point},
        {18, RbKind::Point},     {38, RbKind::Real},     {40, RbKind::Real},
        {62, RbKind::Short},     {90, RbKind::Long},     {100, RbKind::Text},
        {110, RbKind::Point},    {160, RbKind::Int64},   {210, RbKind::Point},
        {290, RbKind::Short},    {310, RbKind::Binary},  {330, RbKind::Name},
        {390, RbKind::Name},     {420, RbKind::Long},    {480, RbKind::Name},
        {1000, RbKind::Text},    {1004, RbKind::Binary}, {1005, RbKind::Text},
        {1010, RbKind::Point},   {1040, RbKind::Real},   {1070, RbKind::Short},
        {1071, RbKind::Long},    {-1, RbKind::Name},     {-3, RbKind::None},
        {RTSTR, RbKind::Text},   {RTLB, RbKind::None},   {RT3DPOINT, RbKind::Point},
        {5999, RbKind::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(host::rbKind(c.code), c.kind) << c.code;
}

} // namespace
} // namespace vma::test
