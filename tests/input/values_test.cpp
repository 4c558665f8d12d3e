// Typed numbers and angles: what each form reads as, and what is refused.
#include "host/input/values.h"

#include <gtest/gtest.h>
#include <numbers>

namespace vma::input {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

TEST(Values, Reals) {
    const std::pair<const wchar_t*, std::optional<double>> cases[] = {
        {L"1", 1},
        {L"-2.5", -2.5},
        {L".5", 0.5},
        {L"1e2", 100},
        {L"", std::nullopt},
        {L" 1", std::nullopt},
        {L"1x", std::nullopt},
        {L"inf", std::nullopt},
        {L"0x10", std::nullopt},
        {L"1,2", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseReal(text), expected) << text;
}

TEST(Values, Integers) {
    const std::pair<const wchar_t*, std::optional<long>> cases[] = {
        {L"12", 12},          {L"-3", -3},         {L"+4", 4}, {L"1.0", std::nullopt},
        {L"-", std::nullopt}, {L"", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseInteger(text), expected) << text;
}

TEST(Values, AnglesInEachUnit) {
    struct Case {
        const wchar_t* text;
        int aunits;
        std::optional<double> radians;
    };
    const Case cases[] = {
        {L"30", 0, 30 * kDeg},   {L"30d15'36\"", 1, 30.26 * kDeg},
        {L"50g", 0, 45 * kDeg},  {L"50", 2, 45 * kDeg},
        {L"0.5", 3, 0.5},        {L"0.5r", 0, 0.5},
        {L"x", 0, std::nullopt}, {L"30d15", 1, std::nullopt},
        {L"", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        auto got = parseAngle(c.text, c.aunits);
        ASSERT_EQ(got.has_value(), c.radians.has_value()) << c.text;
        if (got) {
            EXPECT_NEAR(*got, *c.radians, 1e-12) << c.text;
        }
    }
}

TEST(Values, BearingsAreDirections) {
    Units units;
    units.aunits = 4;
    const std::pair<const wchar_t*, double> cases[] = {
        {L"N", 90 * kDeg},      {L"N30dE", 60 * kDeg},  {L"N30dW", 120 * kDeg},
        {L"S30dW", 240 * kDeg}, {L"S30dE", 300 * kDeg}, {L"E", 0},
    };
    for (const auto& [text, expected] : cases) {
        auto got = parseDirection(text, units);
        ASSERT_TRUE(got) << text;
        EXPECT_NEAR(*got, expected, 1e-12) << text;
    }
}

} // namespace
} // namespace vma::input
