// Pointer and screen functions: acedGrRead events, temporary vectors cleared
// by acedRedraw, acedUsrBrk, recorded requests, and object selection by a
// pick or a typed point.
#include "input_fixture.h"

namespace vma::test {
namespace {

using Pointer = InputTest;

TEST_F(Pointer, GrReadGivesMovesPicksAndKeys) {
    driver->move(1, 2).pick(3, 4).key('x').type(L"ab").esc();
    int type = 0;
    resbuf rb;
    ASSERT_EQ(acedGrRead(1, &type, &rb), RTNORM);
    EXPECT_EQ(type, 5);
    EXPECT_DOUBLE_EQ(rb.resval.rpoint[1], 2);
    ASSERT_EQ(acedGrRead(1, &type, &rb), RTNORM);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(rb.restype, RT3DPOINT);
    for (int expected : {'x', 'a', 'b', '\r'}) {
        ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
        EXPECT_EQ(type, 2);
        EXPECT_EQ(rb.resval.rint, expected);
    }
    EXPECT_EQ(acedGrRead(0, &type, &rb), RTCAN);
    EXPECT_EQ(acedGrRead(0, &type, &rb), RTCAN) << "nothing left";
}

TEST_F(Pointer, MovesAreSkippedWithoutTracking) {
    driver->move(1, 2).pick(3, 4);
    int type = 0;
    resbuf rb;
    ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);
    EXPECT_EQ(type, 3);
}

TEST_F(Pointer, TemporaryVectorsUntilRedraw) {
    ads_point a = {0, 0, 0}, b = {1, 1, 0};
    ASSERT_EQ(acedGrDraw(a, b, 1, 0), RTNORM);
    resbuf* list = acutBuildList(RTSHORT, 3, RTPOINT, a, RTPOINT, b, 0);
    ads_matrix shift = {{1, 0, 0, 10}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ASSERT_EQ(acedGrVecs(list, shift), RTNORM);
    acutRelRb(list);
    ASSERT_EQ(driver->graphics().vectors.size(), 2u);
    EXPECT_EQ(driver->graphics().vectors[1].color, 3);
    EXPECT_DOUBLE_EQ(driver->graphics().vectors[1].from[0], 10);

    resbuf* odd = acutBuildList(RTPOINT, a, 0);
    EXPECT_EQ(acedGrVecs(odd, nullptr), RTERROR);
    acutRelRb(odd);
    EXPECT_EQ(acedRedraw(nullptr, 0), RTNORM);
    EXPECT_TRUE(driver->graphics().vectors.empty());
}

TEST_F(Pointer, RequestsAreRecorded) {
    acedGrText(-1, L"status", 0);
    acedMenuCmd(L"P1=*");
    acedTextScr();
    EXPECT_EQ(driver->graphics().texts.back(), L"-1:status");
    EXPECT_EQ(driver->graphics().menuRequests.back(), L"P1=*");
    EXPECT_TRUE(driver->graphics().textScreen);
    acedGraphScr();
    EXPECT_FALSE(driver->graphics().textScreen);
    acedPrompt(L"hello");
    EXPECT_NE(transcript().find(L"hello"), std::wstring::npos);
}

TEST_F(Pointer, UserBreakTakesAWaitingEsc) {
    EXPECT_EQ(acedUsrBrk(), 0);
    driver->esc();
    EXPECT_EQ(acedUsrBrk(), 1);
    EXPECT_EQ(acedUsrBrk(), 0);
}

TEST_F(Pointer, EntSelByPickOrTypedPoint) {
    unitPixels();
    line(0, 0, 10, 0);
    line(0, 5, 10, 5);
    ads_name first, second, got;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    ASSERT_EQ(acdbEntNext(first, second), RTNORM);
    ads_point pt;

    driver->pick(5, 0.5);
    ASSERT_EQ(acedEntSel(nullptr, got, pt), RTNORM);
    EXPECT_TRUE(got[0] == first[0] && got[1] == first[1]);
    EXPECT_NE(transcript().find(L"Select object: "), std::wstring::npos);

    driver->type(L"5,4");
    ASSERT_EQ(acedEntSel(L"Pick: ", got, pt), RTNORM);
    EXPECT_TRUE(got[0] == second[0] && got[1] == second[1]);
    EXPECT_DOUBLE_EQ(pt[1], 4);

    driver->pick(5, 2.5);
    EXPECT_EQ(acedEntSel(nullptr, got, pt), RTERROR);
    EXPECT_EQ(host::Session::get().lastErrno(), 7);
    driver->enter();
    EXPECT_EQ(acedEntSel(nullptr, got, pt), RTERROR);
    EXPECT_EQ(host::Session::get().lastErrno(), 52);
    driver->esc();
    EXPECT_EQ(acedEntSel(nullptr, got, pt), RTCAN);

    pt[0] = 1;
    pt[1] = 0;
    pt[2] = 0;
    ads_matrix m;
    resbuf* refs = nullptr;
    ASSERT_EQ(acedNEntSelP(nullptr, got, pt, 1, m, &refs), RTNORM);
    EXPECT_TRUE(got[0] == first[0] && got[1] == first[1]);
    EXPECT_EQ(refs, nullptr);
}

} // namespace
} // namespace vma::test
