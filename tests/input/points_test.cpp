// acedGetPoint and acedGetCorner: coordinate forms in a rotated UCS, picks at
// world points, LASTPOINT, snap overrides and wrong input.
#include "input_fixture.h"

#include <vector>

namespace vma::test {
namespace {

class Points : public InputTest {
protected:
    // The UCS turned a quarter left around (10,0,0): its X is the world Y.
    void rotatedUcs() {
        using host::SysvarValue;
        using host::VarType;
        setVar("UCSORG", SysvarValue::ofPoint(VarType::Point3, 10, 0, 0));
        setVar("UCSXDIR", SysvarValue::ofPoint(VarType::Point3, 0, 1, 0));
        setVar("UCSYDIR", SysvarValue::ofPoint(VarType::Point3, -1, 0, 0));
    }

    void expectPoint(const wchar_t* what, double x, double y, double z) {
        ads_point p;
        ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM) << what;
        EXPECT_NEAR(p[0], x, 1e-9) << what;
        EXPECT_NEAR(p[1], y, 1e-9) << what;
        EXPECT_NEAR(p[2], z, 1e-9) << what;
    }
};

TEST_F(Points, TypedFormsInARotatedUcs) {
    rotatedUcs();
    struct Case {
        const wchar_t* typed;
        double x, y, z; // UCS
    };
    const Case cases[] = {
        {L"1,0", 1, 0, 0},    {L"@2,3", 3, 3, 0}, {L"@", 3, 3, 0},    {L"1,2,3", 1, 2, 3},
        {L"@1,1,1", 2, 3, 4}, {L"2<90", 0, 2, 0}, {L"@1<0", 1, 2, 0}, {L"-1.5,.5", -1.5, 0.5, 0},
    };
    for (const auto& c : cases) {
        driver->type(c.typed);
        expectPoint(c.typed, c.x, c.y, c.z);
    }
}

TEST_F(Points, PicksAreWorldPointsGivenBackInTheUcs) {
    rotatedUcs();
    driver->pick(10, 2, 0);
    expectPoint(L"pick", 2, 0, 0);
    driver->type(L"@1,0");
    expectPoint(L"after pick", 3, 0, 0);
}

TEST_F(Points, WrongInputAsksAgain) {
    struct Case {
        const wchar_t* keywords;
        std::vector<const wchar_t*> typed;
        int status;
        const wchar_t* message;
    };
    const Case cases[] = {
        {nullptr, {L"abc", L"1,1"}, RTNORM, L"Invalid point.\nPoint: "},
        {nullptr, {L"1,2,3,4", L"1,1"}, RTNORM, L"Invalid point."},
        {nullptr, {L"5", L"1,1"}, RTNORM, L"Invalid point."},
        {L"Close Undo", {L"zz", L"c"}, RTKWORD, L"Point or option keyword required."},
        {nullptr, {L""}, RTNONE, nullptr},
    };
    for (const auto& c : cases) {
        freshDriver();
        for (const wchar_t* t : c.typed)
            driver->type(t);
        acedInitGet(0, c.keywords);
        ads_point p;
        EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), c.status);
        if (c.message) {
            EXPECT_NE(transcript().find(c.message), std::wstring::npos) << transcript();
        }
    }
}

TEST_F(Points, RelativeWithoutALastPointIsInvalid) {
    driver->type(L"@1,1").esc();
    ads_point p;
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTCAN);
    EXPECT_NE(transcript().find(L"Invalid point."), std::wstring::npos);
}

TEST_F(Points, SnapOverrideBeforeATypedPoint) {
    unitPixels();
    line(0, 0, 10, 0);
    driver->type(L"_end").type(L"9,1");
    expectPoint(L"end", 10, 0, 0);
    EXPECT_NE(transcript().find(L"of "), std::wstring::npos);
    driver->type(L"9,1");
    expectPoint(L"no override", 9, 1, 0);
}

TEST_F(Points, RunningSnapsApplyToPicksOnly) {
    unitPixels();
    setShort("OSMODE", 2);
    line(0, 0, 10, 0);
    driver->pick(5.5, 0.5);
    expectPoint(L"mid", 5, 0, 0);
    driver->type(L"5.5,0.5");
    expectPoint(L"typed", 5.5, 0.5, 0);
    acedInitGet(RSG_NOOSNAP, nullptr);
    driver->pick(5.5, 0.5);
    expectPoint(L"no snap", 5.5, 0.5, 0);
}

TEST_F(Points, CornerNeedsItsBase) {
    ads_point p;
    EXPECT_EQ(acedGetCorner(nullptr, L"Corner: ", p), RTERROR);
    ads_point base = {0, 0, 0};
    driver->type(L"4,4");
    ASSERT_EQ(acedGetCorner(base, L"Corner: ", p), RTNORM);
    EXPECT_DOUBLE_EQ(p[0], 4);
}

} // namespace
} // namespace vma::test
