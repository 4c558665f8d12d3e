// The value functions (acedGetInt, acedGetReal, acedGetString, acedGetKword,
// acedGetDist, acedGetAngle): good answers, re-prompts with their messages,
// Enter, Esc, keywords and control bits.
#include "input_fixture.h"

#include <numbers>
#include <vector>

namespace vma::test {
namespace {

struct NumberCase {
    int flags;
    const wchar_t* keywords;
    std::vector<const wchar_t*> answers; // nullptr entry: Esc
    int status;
    double value;
    const wchar_t* message; // in the transcript, or nullptr
};

class Getters : public InputTest {
protected:
    void queue(const std::vector<const wchar_t*>& answers) {
        for (const wchar_t* a : answers) {
            if (a)
                driver->type(a);
            else
                driver->esc();
        }
    }
};

TEST_F(Getters, Integers) {
    const NumberCase cases[] = {
        {0, nullptr, {L"42"}, RTNORM, 42, nullptr},
        {0, nullptr, {L"-7"}, RTNORM, -7, nullptr},
        {0, nullptr, {L"4.5", L"3"}, RTNORM, 3, L"Requires an integer value."},
        {0, nullptr, {L"abc", L"1"}, RTNORM, 1, L"Requires an integer value."},
        {0, nullptr, {L"40000", L"1"}, RTNORM, 1, L"Requires an integer between -32768 and 32767."},
        {0, nullptr, {L""}, RTNONE, 0, nullptr},
        {RSG_NONULL, nullptr, {L"", L"5"}, RTNORM, 5, nullptr},
        {0, nullptr, {nullptr}, RTCAN, 0, L"*Cancel*"},
        {0, nullptr, {}, RTCAN, 0, nullptr},
        {RSG_NOZERO | RSG_NONEG,
         nullptr,
         {L"0", L"-1", L"2"},
         RTNORM,
         2,
         L"Value must be positive and nonzero."},
        {RSG_NONEG, nullptr, {L"-1", L"0"}, RTNORM, 0, L"Value must be positive."},
        {RSG_NOZERO, nullptr, {L"0", L"-3"}, RTNORM, -3, L"Value must be nonzero."},
        {0, L"All", {L"a"}, RTKWORD, 0, nullptr},
        {0, L"All", {L"x", L"2"}, RTNORM, 2, L"Requires an integer value or option keyword."},
        {RSG_OTHER, nullptr, {L"whatever"}, RTKWORD, 0, nullptr},
    };
    for (const auto& c : cases) {
        freshDriver();
        queue(c.answers);
        acedInitGet(c.flags, c.keywords);
        int value = 0;
        EXPECT_EQ(acedGetInt(L"Number: ", &value), c.status) << c.answers.size();
        if (c.status == RTNORM) {
            EXPECT_EQ(value, c.value);
        }
        if (c.message) {
            EXPECT_NE(transcript().find(c.message), std::wstring::npos) << transcript();
        }
    }
}

TEST_F(Getters, Reals) {
    const NumberCase cases[] = {
        {0, nullptr, {L"2.5"}, RTNORM, 2.5, nullptr},
        {0, nullptr, {L"1e3"}, RTNORM, 1000, nullptr},
        {0, nullptr, {L"x", L".5"}, RTNORM, 0.5, L"Requires a real value."},
        {0, nullptr, {L"nan", L"1"}, RTNORM, 1, L"Requires a real value."},
        {RSG_NOZERO | RSG_NONEG,
         nullptr,
         {L"-0.1", L"0.1"},
         RTNORM,
         0.1,
         L"Value must be positive and nonzero."},
        {0, L"Auto", {L"AUTO"}, RTKWORD, 0, nullptr},
    };
    for (const auto& c : cases) {
        freshDriver();
        queue(c.answers);
        acedInitGet(c.flags, c.keywords);
        double value = 0;
        EXPECT_EQ(acedGetReal(L"Real: ", &value), c.status);
        if (c.status == RTNORM) {
            EXPECT_DOUBLE_EQ(value, c.value);
        }
        if (c.message) {
            EXPECT_NE(transcript().find(c.message), std::wstring::npos) << transcript();
        }
    }
}

TEST_F(Getters, InitGetLastsOneCall) {
    driver->type(L"0").type(L"1").type(L"0");
    acedInitGet(RSG_NOZERO, nullptr);
    int value = -1;
    ASSERT_EQ(acedGetInt(L"A: ", &value), RTNORM);
    EXPECT_EQ(value, 1);
    ASSERT_EQ(acedGetInt(L"A: ", &value), RTNORM);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(driver->pending(), 0u);
}

TEST_F(Getters, KeywordsComeBackAsListed) {
    driver->type(L"x").type(L"lt");
    acedInitGet(0, L"LType Width");
    ACHAR out[32];
    ASSERT_EQ(acedGetKword(L"Option: ", out, 32), RTNORM);
    EXPECT_STREQ(out, L"LType");
    EXPECT_NE(transcript().find(L"Invalid option keyword.\nOption: "), std::wstring::npos);
    ASSERT_EQ(acedGetInput(out, 32), RTNORM);
    EXPECT_STREQ(out, L"LType");

    driver->type(L"");
    acedInitGet(0, L"Yes No");
    EXPECT_EQ(acedGetKword(L"Option: ", out, 32), RTNONE);
}

TEST_F(Getters, StringsTakeBlanksOnlyWhenAsked) {
    ACHAR out[8];
    driver->type(L"");
    ASSERT_EQ(acedGetString(0, L"Name: ", out, 8), RTNORM);
    EXPECT_STREQ(out, L"");
    driver->type(L"long text here");
    EXPECT_EQ(acedGetString(1, L"Name: ", out, 8), RTINPUTTRUNCATED);
    EXPECT_STREQ(out, L"long te");
    driver->esc();
    EXPECT_EQ(acedGetString(1, L"Name: ", out, 8), RTCAN);
}

TEST_F(Getters, DistancesByValueOrPoints) {
    double d = 0;
    driver->type(L"12.5");
    ASSERT_EQ(acedGetDist(nullptr, L"Distance: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 12.5);

    driver->type(L"0,0").type(L"3,4");
    ASSERT_EQ(acedGetDist(nullptr, L"Distance: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 5);
    EXPECT_NE(transcript().find(L"Specify second point: "), std::wstring::npos);

    ads_point base = {1, 1, 0};
    driver->type(L"1,1,2");
    acedInitGet(RSG_2D, nullptr);
    ASSERT_EQ(acedGetDist(base, L"Distance: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 0);

    driver->type(L"far").type(L"-1").type(L"2");
    acedInitGet(RSG_NONEG, nullptr);
    ASSERT_EQ(acedGetDist(nullptr, L"Distance: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 2);
    EXPECT_NE(transcript().find(L"Requires numeric distance or two points."), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Value must be positive."), std::wstring::npos);
}

TEST_F(Getters, AnglesFollowAngbaseAndAngdir) {
    constexpr double kPi = std::numbers::pi;
    struct AngleCase {
        int aunits;
        double angbase;
        int angdir;
        const wchar_t* typed;
        double angle, orient; // what acedGetAngle and acedGetOrient give
    };
    const AngleCase cases[] = {
        {0, 0, 0, L"90", kPi / 2, kPi / 2},
        {0, kPi / 2, 0, L"90", kPi / 2, kPi},
        {0, 0, 1, L"90", 3 * kPi / 2, 3 * kPi / 2},
        {1, 0, 0, L"45d30'", 45.5 * kPi / 180, 45.5 * kPi / 180},
        {2, 0, 0, L"100", kPi / 2, kPi / 2},
        {3, 0, 0, L"1", 1, 1},
        {0, 0, 0, L"1r", 1, 1},
        {4, 0, 0, L"N45dE", kPi / 4, kPi / 4},
    };
    for (const auto& c : cases) {
        setShort("AUNITS", c.aunits);
        setReal("ANGBASE", c.angbase);
        setShort("ANGDIR", c.angdir);
        double a = 0;
        driver->type(c.typed).type(c.typed);
        ASSERT_EQ(acedGetAngle(nullptr, L"Angle: ", &a), RTNORM) << c.typed;
        EXPECT_NEAR(a, c.angle, 1e-9) << c.typed;
        ASSERT_EQ(acedGetOrient(nullptr, L"Angle: ", &a), RTNORM) << c.typed;
        EXPECT_NEAR(a, c.orient, 1e-9) << c.typed;
    }
}

TEST_F(Getters, AngleByTwoPoints) {
    setReal("ANGBASE", std::numbers::pi / 2);
    double a = 0;
    driver->type(L"0,0").type(L"-1,0");
    ASSERT_EQ(acedGetAngle(nullptr, L"Angle: ", &a), RTNORM);
    EXPECT_NEAR(a, std::numbers::pi / 2, 1e-12);
}

} // namespace
} // namespace vma::test
