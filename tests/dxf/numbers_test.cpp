// Focus: the one-pass readers of short decimals and integers must give the very
// value the general parser gives (bit for bit, signed zeros included), and hand
// every text they do not fully understand to it; written reals read back exactly.
#include "host/dxf/numbers.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vma {
namespace {

// The general rule the fast paths must agree with: blanks around, '+' allowed,
// from_chars for the rest, finite values only.
bool referenceReal(std::string_view s, double& value) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        s.remove_prefix(1);
    if (s.empty() || !(s.back() == '.' || (s.back() >= '0' && s.back() <= '9')))
        return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && std::isfinite(value);
}

void expectSameReal(const std::string& text) {
    double expected = 0, actual = 0;
    bool ok = referenceReal(text, expected);
    ASSERT_EQ(dxf::parseReal(text, actual), ok) << text;
    if (ok) {
        EXPECT_EQ(std::bit_cast<uint64_t>(actual), std::bit_cast<uint64_t>(expected)) << text;
    }
}

TEST(ParseReal, AgreesWithTheGeneralParserOnHandPickedTexts) {
    for (const char* text : {"0",
                             "-0",
                             "0.0",
                             "-0.0",
                             "1.",
                             ".5",
                             "-.5",
                             "12.375",
                             "  40",
                             "40  ",
                             "\t7",
                             "+3.5",
                             "+-3",
                             "-",
                             ".",
                             "",
                             "1.2.3",
                             "1e5",
                             "1E-3",
                             "-2.5e+10",
                             "nan",
                             "inf",
                             "1e400",
                             "0.1",
                             "0.3",
                             "123456789012345",
                             "1234567890123456789",
                             "12345678901234567890",
                             "18446744073709551616",
                             "-18446744073709551617",
                             "9007199254740993",
                             "9007199254740992",
                             "0.00000000000000000000001",
                             "0.0000000000000000000001",
                             "4.35e-324",
                             "abc",
                             "1x",
                             "1 2",
                             "0.41421356",
                             "-14.75",
                             "99999999999999999999.5",
                             "1.7976931348623157e308"})
        expectSameReal(text);
}

TEST(ParseReal, AgreesWithTheGeneralParserOnGeneratedDecimals) {
    std::mt19937_64 random(20261206);
    for (int n = 0; n < 200000; ++n) {
        uint64_t mantissa = random() >> (random() % 64);
        std::string digits = std::to_string(mantissa);
        size_t point = random() % (digits.size() + 1);
        std::string text =
            (random() % 2 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
        expectSameReal(text);
    }
}

TEST(ParseInt, ReadsPlainIntegersAndRealsWithoutFraction) {
    struct Case {
        const char* text;
        bool ok;
        int64_t value;
    };
    for (Case c :
         {Case{"0", true, 0}, Case{"     1", true, 1}, Case{"-42", true, -42}, Case{"+7", true, 7},
          Case{" 8 ", true, 8}, Case{"3.0", true, 3}, Case{"3.5", false, 0}, Case{"", false, 0},
          Case{"-", false, 0}, Case{"12a", false, 0},
          Case{"999999999999999999", true, 999999999999999999},
          Case{"9223372036854775807", true, INT64_MAX},
          Case{"-9223372036854775808", true, INT64_MIN}, Case{"9223372036854775808", false, 0}}) {
        int64_t value = -1;
        ASSERT_EQ(dxf::parseInt(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

// What a DXF real must look like: std::to_chars's shortest text, ".0" after a
// bare integer.
std::string referenceRealText(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, end);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

void expectSameText(double value) {
    std::string text;
    dxf::appendReal(text, value);
    ASSERT_EQ(text, referenceRealText(value)) << std::bit_cast<uint64_t>(value);
}

TEST(WriteReal, WritesWhatToCharsWritesForRoundAndShortValues) {
    for (double v : {0.0,
                     -0.0,
                     1.0,
                     -1.0,
                     10.0,
                     100.0,
                     1000.0,
                     1e5,
                     1e6,
                     1234500.0,
                     1e14,
                     999999999999999.0,
                     1e15,
                     1e16,
                     1e20,
                     1e-3,
                     1e-4,
                     1e-5,
                     0.25,
                     0.1,
                     0.3,
                     1.0 / 3,
                     2.0 / 3,
                     0.41421356,
                     -14.5,
                     123456.789,
                     1e-12,
                     1.5e-12,
                     4503599627370496.5,
                     1125899906842623.75,
                     5e-324,
                     1.7976931348623157e308})
        expectSameText(v);
    for (int i = -200000; i <= 200000; ++i) {
        expectSameText(i);
        expectSameText(i / 4.0);
        expectSameText(i / 1000.0);
    }
}

TEST(WriteReal, WritesWhatToCharsWritesForGeneratedValues) {
    std::mt19937_64 random(61206);
    const double powers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13};
    for (int n = 0; n < 300000; ++n) {
        auto mantissa = static_cast<double>(random() >> (random() % 64));
        expectSameText(mantissa / powers[random() % 14] * (random() % 2 ? 1 : -1));
        expectSameText(std::bit_cast<double>(random() & ~(uint64_t{0x7FF} << 52 & random())));
    }
}

} // namespace
} // namespace vma
