// Extended data through acdbEntMake, acdbEntGetX and acdbEntMod: the C form
// of the list (a -3 buffer, then each application's 1001 group and its data),
// application patterns, registration and the refusals of malformed data.
#include "ads_fixture.h"

#include <cstring>
#include <vector>

namespace vma::test {
namespace {

class AdsXdata : public AdsTest {
protected:
    void SetUp() override {
        AdsTest::SetUp();
        ASSERT_EQ(acdbRegApp(L"VMA_PAAL"), RTNORM);
        ASSERT_EQ(acdbRegApp(L"VMA_GRID"), RTNORM);
    }

    // A line with data for both applications; its name in out.
    int makeTagged(ads_name out) {
        ads_point a = {0, 0, 0}, b = {1, 0, 0}, where = {5, 6, 7};
        host::RbList in(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 1000,
                                      L"Ø 320", 1002, L"{", 1070, 12, 1040, 2.5, 1002, L"}", 1010,
                                      where, 1001, L"VMA_GRID", 1071, 100000, 0));
        return acdbEntMakeX(in.get(), out);
    }

    host::RbList entgetx(const ads_name name, const ACHAR* pattern) {
        host::RbList apps(acutBuildList(RTSTR, pattern, 0));
        return host::RbList(acdbEntGetX(name, apps.get()));
    }
};

std::vector<int> codesAfterSentinel(const resbuf* list) {
    std::vector<int> codes;
    bool after = false;
    for (; list; list = list->rbnext) {
        if (after)
            codes.push_back(list->restype);
        after = after || list->restype == -3;
    }
    return codes;
}

TEST_F(AdsXdata, RoundTripThroughEntGetX) {
    ads_name line;
    ASSERT_EQ(makeTagged(line), RTNORM);
    EXPECT_EQ(findGroup(entget(line).get(), -3), nullptr); // plain entget leaves it out

    host::RbList all = entgetx(line, L"*");
    EXPECT_EQ(codesAfterSentinel(all.get()),
              (std::vector<int>{1001, 1000, 1002, 1070, 1040, 1002, 1010, 1001, 1071}));
    EXPECT_EQ(textOf(all.get(), 1000), L"Ø 320");
    EXPECT_EQ(findGroup(all.get(), 1070)->resval.rint, 12);
    EXPECT_EQ(findGroup(all.get(), 1071)->resval.rlong, 100000);
    EXPECT_EQ(findGroup(all.get(), 1010)->resval.rpoint[Z], 7.0);

    // The list as given back makes an identical copy.
    ads_name copy;
    ASSERT_EQ(acdbEntMakeX(all.get(), copy), RTNORM);
    host::RbList again = entgetx(copy, L"*");
    EXPECT_EQ(codesAfterSentinel(again.get()), codesAfterSentinel(all.get()));
}

TEST_F(AdsXdata, BinaryChunksKeepEveryByte) {
    ads_point a = {0, 0, 0}, b = {1, 0, 0};
    char bytes[] = {0, char(0xAB), 0x7F, char(0xFF)};
    ads_binary chunk = {4, bytes};
    ads_name line;
    host::RbList in(
        acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 1004, &chunk, 0));
    ASSERT_EQ(acdbEntMakeX(in.get(), line), RTNORM);
    host::RbList out = entgetx(line, L"VMA_PAAL");
    const resbuf* got = findGroup(out.get(), 1004);
    ASSERT_NE(got, nullptr);
    ASSERT_EQ(got->resval.rbinary.clen, 4);
    EXPECT_EQ(std::memcmp(got->resval.rbinary.buf, bytes, 4), 0);
}

TEST_F(AdsXdata, PatternsChooseTheApplications) {
    ads_name line;
    ASSERT_EQ(makeTagged(line), RTNORM);
    struct Case {
        const ACHAR* pattern;
        std::vector<std::wstring> apps;
    };
    const Case cases[] = {
        {L"VMA_GRID", {L"VMA_GRID"}},
        {L"vma_p*", {L"VMA_PAAL"}},
        {L"VMA_*", {L"VMA_PAAL", L"VMA_GRID"}},
        {L"~VMA_PAAL", {L"VMA_GRID"}},
        {L"OTHER", {}},
    };
    for (const Case& c : cases) {
        host::RbList list = entgetx(line, c.pattern);
        std::vector<std::wstring> apps;
        for (const resbuf* rb = list.get(); rb; rb = rb->rbnext)
            if (rb->restype == 1001)
                apps.push_back(rb->resval.rstring);
        EXPECT_EQ(apps, c.apps) << wideToUtf8(c.pattern);
        EXPECT_EQ(countGroups(list.get(), -3), c.apps.empty() ? 0u : 1u);
    }
}

TEST_F(AdsXdata, MalformedDataIsRefused) {
    ads_point a = {0, 0, 0}, b = {1, 0, 0};
    struct Case {
        const char* what;
        resbuf* list;
        int errnoValue;
    };
    std::wstring longText(256, L'x');
    const Case cases[] = {
        {"unregistered application",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"NOBODY", 1000, L"x", 0), 50},
        {"data before its application",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1000, L"x", 0), 50},
        {"unbalanced braces",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 1002, L"{", 0), 49},
        {"closing brace first",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 1002, L"}", 0), 49},
        {"entity group among extended data",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 62, 1, 0), 48},
        {"string too long",
         acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_PAAL", 1000, longText.c_str(),
                       0),
         48},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(make(c.list), RTREJ) << c.what;
        EXPECT_EQ(lastErrno(), c.errnoValue) << c.what;
    }
    EXPECT_EQ(db().entityCount(), 0u);
}

TEST_F(AdsXdata, EntModReplacesOnlyTheApplicationsItGives) {
    ads_name line;
    ASSERT_EQ(makeTagged(line), RTNORM);

    // Without a -3 group the data stays as it was.
    host::RbList plain = entget(line);
    ASSERT_EQ(acdbEntMod(plain.get()), RTNORM);
    EXPECT_EQ(codesAfterSentinel(entgetx(line, L"*").get()).size(), 9u);

    // One application replaced, the other kept.
    host::RbList full = entget(line);
    full.append(acutBuildList(-3, 1001, L"VMA_PAAL", 1000, L"nieuw", 0));
    ASSERT_EQ(acdbEntMod(full.get()), RTNORM);
    host::RbList after = entgetx(line, L"*");
    EXPECT_EQ(codesAfterSentinel(after.get()), (std::vector<int>{1001, 1000, 1001, 1071}));
    EXPECT_EQ(textOf(after.get(), 1000), L"nieuw");

    // An application given without data loses it.
    host::RbList drop = entget(line);
    drop.append(acutBuildList(-3, 1001, L"VMA_GRID", 0));
    ASSERT_EQ(acdbEntMod(drop.get()), RTNORM);
    EXPECT_EQ(codesAfterSentinel(entgetx(line, L"*").get()), (std::vector<int>{1001, 1000}));
}

} // namespace
} // namespace vma::test
