// Typed values as the settings store keeps them: the text each of the six
// types is written as, and the three readers (value, default, registry) with
// their different verdicts on incomplete points and unknown types.
#include "settings/ini_value.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace vma::test {
namespace {

constexpr int kUnknownType = RTANG;

struct Written {
    int type;
    DvValue value;
    const wchar_t* text;
};

class ValueText : public ::testing::TestWithParam<Written> {};

TEST_P(ValueText, FormatsByType) {
    const auto text = dv_ini_value_text(GetParam().type, GetParam().value);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValueText,
    ::testing::Values(Written{RTREAL, DvValue::ofReal(1.5), L"1.500000"},
                      Written{RTREAL, DvValue::ofReal(-0.0000004), L"-0.000000"},
                      Written{RTPOINT, DvValue::ofPoint(1, -2.25, 9), L"1.000000,-2.250000"},
                      Written{RTSHORT, DvValue::ofInt(-7), L"-7"},
                      Written{RTSTR, DvValue::ofText(L" Paal A, B "), L" Paal A, B "},
                      Written{RT3DPOINT, DvValue::ofPoint(1, 2, 3.5),
                              L"1.000000,2.000000,3.500000"},
                      Written{RTLONG, DvValue::ofInt(INT_MAX), L"2147483647"},
                      Written{RTLONG, DvValue::ofInt(INT_MIN), L"-2147483648"}));

TEST(ValueTextUnknown, GivesNothing) {
    EXPECT_FALSE(dv_ini_value_text(kUnknownType, DvValue::ofReal(1)).has_value());
    EXPECT_FALSE(dv_ini_value_text(0, DvValue::ofReal(1)).has_value());
}

struct Scalar {
    const wchar_t* text;
    int type;
    double number; // real or integer read
};

class ScalarRead : public ::testing::TestWithParam<Scalar> {};

// Numbers read as the C runtime reads them, the same for all three readers.
TEST_P(ScalarRead, ReadsLikeTheRuntime) {
    const Scalar& c = GetParam();
    using Reader = int (*)(std::wstring_view, int, DvValue&);
    for (Reader reader :
         {Reader{dv_ini_text_value}, Reader{dv_ini_default_value}, Reader{dv_ini_registry_value}}) {
        DvValue value = DvValue::ofInt(99);
        value.real = 99;
        ASSERT_EQ(reader(c.text, c.type, value), 0);
        EXPECT_DOUBLE_EQ(c.type == RTREAL ? value.real : value.integer, c.number) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ScalarRead,
                         ::testing::Values(Scalar{L"1.5,2", RTREAL, 1.5},
                                           Scalar{L"  -2.5e1x", RTREAL, -25},
                                           Scalar{L"", RTREAL, 0}, Scalar{L"abc", RTREAL, 0},
                                           Scalar{L"\t42abc", RTSHORT, 42},
                                           Scalar{L"7.9", RTSHORT, 7}, Scalar{L"", RTLONG, 0},
                                           Scalar{L"-123456789", RTLONG, -123456789},
                                           Scalar{L"99999999999", RTLONG, INT_MAX},
                                           Scalar{L"-99999999999", RTSHORT, INT_MIN}));

struct PointCase {
    const wchar_t* text;
    int type;
    int getStatus;
    int defaultStatus;
    double x, y, z;
};

class PointRead : public ::testing::TestWithParam<PointCase> {};

// Both readers deliver the coordinates read, the rest 0, whatever the status.
TEST_P(PointRead, StatusAndCoordinates) {
    const PointCase& c = GetParam();
    DvValue fromValue = DvValue::ofPoint(9, 9, 9);
    DvValue fromDefault = fromValue;
    EXPECT_EQ(dv_ini_text_value(c.text, c.type, fromValue), c.getStatus);
    EXPECT_EQ(dv_ini_default_value(c.text, c.type, fromDefault), c.defaultStatus);
    for (const DvValue* value : {&fromValue, &fromDefault}) {
        EXPECT_DOUBLE_EQ(value->point[X], c.x);
        EXPECT_DOUBLE_EQ(value->point[Y], c.y);
        EXPECT_DOUBLE_EQ(value->point[Z], c.z);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, PointRead,
                         ::testing::Values(PointCase{L"3", RTPOINT, DV_FAILED, -1, 3, 0, 0},
                                           PointCase{L"3,", RTPOINT, DV_FAILED, -2, 3, 0, 0},
                                           PointCase{L"3,4", RTPOINT, 0, 0, 3, 4, 0},
                                           PointCase{L"3, 4,5", RTPOINT, 0, 0, 3, 4, 0},
                                           PointCase{L",", RTPOINT, DV_FAILED, -2, 0, 0, 0},
                                           PointCase{L"1", RT3DPOINT, DV_FAILED, -1, 1, 0, 0},
                                           PointCase{L"1,", RT3DPOINT, DV_FAILED, -2, 1, 0, 0},
                                           PointCase{L"1,2", RT3DPOINT, DV_FAILED, -2, 1, 2, 0},
                                           PointCase{L"1,2,", RT3DPOINT, 0, -3, 1, 2, 0},
                                           PointCase{L",,", RT3DPOINT, 0, -3, 0, 0, 0},
                                           PointCase{L"1,2,3", RT3DPOINT, 0, 0, 1, 2, 3},
                                           PointCase{L"1,2,3,4", RT3DPOINT, 0, 0, 1, 2, 3}));

struct RegistryPoint {
    const wchar_t* text;
    int type;
    int status;
    double x, y, z;
};

class RegistryPointRead : public ::testing::TestWithParam<RegistryPoint> {};

// The registry reader counts numbers: one makes a 2D point, two a 3D point.
TEST_P(RegistryPointRead, NeedsFewerNumbers) {
    const RegistryPoint& c = GetParam();
    DvValue value = DvValue::ofPoint(9, 9, 9);
    EXPECT_EQ(dv_ini_registry_value(c.text, c.type, value), c.status);
    EXPECT_DOUBLE_EQ(value.point[X], c.x);
    EXPECT_DOUBLE_EQ(value.point[Y], c.y);
    EXPECT_DOUBLE_EQ(value.point[Z], c.z);
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryPointRead,
                         ::testing::Values(RegistryPoint{L"3", RTPOINT, 0, 3, 0, 0},
                                           RegistryPoint{L"3;4", RTPOINT, 0, 3, 0, 0},
                                           RegistryPoint{L"3,4,5", RTPOINT, 0, 3, 4, 0},
                                           RegistryPoint{L"", RTPOINT, DV_FAILED, 0, 0, 0},
                                           RegistryPoint{L"abc", RTPOINT, DV_FAILED, 0, 0, 0},
                                           RegistryPoint{L"1", RT3DPOINT, DV_FAILED, 1, 0, 0},
                                           RegistryPoint{L"1,2", RT3DPOINT, 0, 1, 2, 0},
                                           RegistryPoint{L"1.5,2.5,3.5", RT3DPOINT, 0, 1.5, 2.5,
                                                         3.5}));

TEST(UnknownType, EachReaderSaysSoAndLeavesTheValue) {
    DvValue value = DvValue::ofReal(4);
    EXPECT_EQ(dv_ini_text_value(L"1", kUnknownType, value), DV_FAILED);
    EXPECT_EQ(dv_ini_default_value(L"1", kUnknownType, value), 2);
    EXPECT_EQ(dv_ini_registry_value(L"1", kUnknownType, value), DV_FAILED);
    EXPECT_EQ(value.real, 4);
    EXPECT_EQ(value.integer, 0);
}

} // namespace
} // namespace vma::test
