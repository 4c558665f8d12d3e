// Object snaps on each entity kind through acedOsnap: the point each mode
// finds near a pick, and nothing outside the aperture.
#include "input_fixture.h"

#include <cmath>

namespace vma::test {
namespace {

struct SnapCase {
    const wchar_t* mode;
    double px, py; // near this point
    double x, y;   // expected
};

class Snaps : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        unitPixels();
    }

    void expectSnaps(const char* what, const std::vector<SnapCase>& cases) {
        for (const auto& c : cases) {
            ads_point pt = {c.px, c.py, 0}, out;
            ASSERT_EQ(acedOsnap(pt, c.mode, out), RTNORM) << what << " " << c.mode;
            EXPECT_NEAR(out[0], c.x, 1e-9) << what << " " << c.mode;
            EXPECT_NEAR(out[1], c.y, 1e-9) << what << " " << c.mode;
        }
    }
};

TEST_F(Snaps, Lines) {
    line(0, 0, 10, 0);
    line(5, -5, 5, 5);
    input::Engine::get().lastPoint() = input::Point{3, 4, 0};
    expectSnaps("line", {{L"_end", 9.5, 0.5, 10, 0},
                         {L"_mid", 4.2, -0.5, 5, 0},
                         {L"_int", 5.5, 0.5, 5, 0},
                         {L"_nea", 7, 1, 7, 0},
                         {L"_per", 3.5, 0.5, 3, 0},
                         {L"_endp,_mid", 0.5, 0.5, 0, 0}});
    ads_point far = {20, 20, 0}, out;
    EXPECT_EQ(acedOsnap(far, L"_end", out), RTERROR);
    EXPECT_EQ(acedOsnap(far, L"_bogus", out), RTERROR);
}

TEST_F(Snaps, ArcsAndCircles) {
    circle(0, 0, 5);
    line(0, 0, 10, 0);
    arc(20, 0, 2, 0, 90);
    expectSnaps("curves", {{L"_qua", 0.5, 5.5, 0, 5},
                           {L"_cen", 4.5, 0.5, 0, 0},
                           {L"_end", 22.5, 0.5, 22, 0},
                           {L"_mid", 21.5, 1.5, 20 + std::sqrt(2.0), std::sqrt(2.0)},
                           {L"_nea", 0, -5.5, 0, -5},
                           {L"_int", 5.2, 0.2, 5, 0}});
    ads_point below = {20, -2, 0}, out;
    EXPECT_EQ(acedOsnap(below, L"_qua", out), RTERROR) << "the arc does not reach 270 degrees";
}

TEST_F(Snaps, PolylinesWithBulges) {
    // A half circle from (0,0) to (4,0) bulging below, then a straight piece up.
    ads_point a = {0, 0, 0}, b = {4, 0, 0}, c = {4, 4, 0};
    make(acutBuildList(RTDXF0, L"LWPOLYLINE", 90, 3, 70, 0, 10, a, 42, 1.0, 10, b, 10, c, 0));
    expectSnaps("lwpolyline", {{L"_end", 4.5, 4.5, 4, 4},
                               {L"_mid", 2.5, -2.5, 2, -2},
                               {L"_cen", 2.5, -1.5, 2, 0},
                               {L"_mid", 4.5, 2.5, 4, 2}});
}

TEST_F(Snaps, InsertsTextsAndSolids) {
    ads_point at = {30, 30, 0}, c1 = {0, 0, 0}, c2 = {4, 0, 0}, c3 = {0, 4, 0}, c4 = {4, 4, 0};
    make(acutBuildList(RTDXF0, L"TEXT", 10, at, 40, 2.5, 1, L"A", 0));
    make(acutBuildList(RTDXF0, L"SOLID", 10, c1, 11, c2, 12, c3, 13, c4, 0));
    expectSnaps("others", {{L"_ins", 30.5, 30.5, 30, 30},
                           {L"_end", 4.5, 4.5, 4, 4},
                           {L"_mid", 4.5, 2.5, 4, 2},
                           {L"_mid", 2.5, 4.5, 2, 4}});
}

TEST_F(Snaps, NearestCandidateWins) {
    line(0, 0, 2, 0);
    expectSnaps("nearest", {{L"_end,_mid", 1.7, 0.1, 2, 0}, {L"_end,_mid", 1.2, 0.1, 1, 0}});
}

} // namespace
} // namespace vma::test
