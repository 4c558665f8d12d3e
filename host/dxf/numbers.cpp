#include "host/dxf/numbers.h"

#include "host/dxf/tokenizer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace vma::dxf {
namespace {

// Powers of ten a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr uint64_t kExactMantissa = uint64_t{1} << 53;
constexpr int kMaxDigits = 19; // a uint64_t holds any 19 decimal digits

std::string_view digitsOf(std::string_view s) {
    s = trimBlanks(s);
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        s.remove_prefix(1);
    return s;
}

bool looksLikeRealWord(std::string_view s) {
    // from_chars also takes "nan" and "inf": DXF never means those.
    return !s.empty() && (s.back() == '.' || (s.back() >= '0' && s.back() <= '9'));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a plain number after its leading blanks and minus sign.
struct PlainDigits {
    const char* p;
    const char* end;
    bool negative;
};

PlainDigits plainDigits(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = p < end && *p == '-';
    return {p + (negative ? 1 : 0), end, negative};
}

// Adds the digits at p to number; p stops at the first other character.
uint64_t takeDigits(const char*& p, const char* end, uint64_t number) {
    for (; p < end && isDigit(*p); ++p)
        number = number * 10 + static_cast<uint64_t>(*p - '0');
    return number;
}

// A plain decimal ("-12.375", "  40") read in one pass. When the digits fit in
// 53 bits and the power of ten is exact, one division rounds correctly and
// gives the very double from_chars gives; anything else is left to it.
bool parseShortDecimal(std::string_view text, double& value) {
    auto [p, end, negative] = plainDigits(text);
    if (end - p > kMaxDigits + 1)
        return false;
    const char* first = p;
    uint64_t mantissa = takeDigits(p, end, 0);
    auto digits = p - first;
    long fraction = 0;
    if (p < end && *p == '.') {
        const char* point = ++p;
        mantissa = takeDigits(p, end, mantissa);
        fraction = p - point;
        digits += fraction;
    }
    // More than 19 digits may have wrapped around 64 bits on the way.
    if (p != end || digits == 0 || digits > kMaxDigits || mantissa > kExactMantissa ||
        fraction > kMaxExactPower)
        return false;
    double magnitude = static_cast<double>(mantissa) / kExactPowers[fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

// A plain integer ("-42", "     1"); longer or decorated texts take the full path.
bool parseShortInteger(std::string_view text, int64_t& value) {
    auto [p, end, negative] = plainDigits(text);
    if (p == end || end - p > 18)
        return false;
    auto magnitude = static_cast<int64_t>(takeDigits(p, end, 0));
    if (p != end)
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

// The digits of a decimal value: mantissa times ten to the minus fraction.
struct Decimal {
    uint64_t mantissa = 0;
    int fraction = 0;
};

constexpr int kMaxWrittenFraction = 12;
// Below this a step of one in the last digit is over twice the spacing of
// doubles there, so only one decimal of a given length reads back as the value.
constexpr double kUniqueMantissa = 1125899906842624.0; // 2^50

// The decimal with the fewest fraction digits that reads back as magnitude
// (rounded to the nearest double, as from_chars does); none for values that
// need more digits or an exponent, which std::to_chars then writes.
std::optional<Decimal> shortestDecimal(double magnitude) {
    for (int fraction = 0; fraction <= kMaxWrittenFraction; ++fraction) {
        double scaled = magnitude * kExactPowers[fraction];
        if (!(scaled < kUniqueMantissa))
            return std::nullopt;
        auto mantissa = static_cast<uint64_t>(scaled + 0.5);
        if (static_cast<double>(mantissa) / kExactPowers[fraction] == magnitude)
            return Decimal{mantissa, fraction};
    }
    return std::nullopt;
}

char* copy(char* out, const char* from, size_t count) {
    std::memcpy(out, from, count);
    return out + count;
}

// Scientific form as to_chars writes it: "1.25e+05", "3e-07".
char* writeScientific(char* out, std::string_view significant, int exponent) {
    *out++ = significant[0];
    if (significant.size() > 1) {
        *out++ = '.';
        out = copy(out, significant.data() + 1, significant.size() - 1);
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
}

// Fixed form: "1234", "12.5", "0.0025".
char* writeFixed(char* out, std::string_view digits, size_t fraction) {
    if (digits.size() <= fraction) {
        *out++ = '0';
        *out++ = '.';
        out = static_cast<char*>(std::memset(out, '0', fraction - digits.size())) +
              (fraction - digits.size());
        return copy(out, digits.data(), digits.size());
    }
    size_t whole = digits.size() - fraction;
    out = copy(out, digits.data(), whole);
    if (fraction == 0)
        return out;
    *out++ = '.';
    return copy(out, digits.data() + whole, fraction);
}

// What std::to_chars writes for a value of few digits, without its general
// algorithm: the shortest decimal, in the shorter of fixed and scientific
// form (fixed on a tie), with ".0" after a bare integer. Null when the value
// needs the general algorithm.
char* writeShortDecimal(char* out, double value) {
    auto decimal = shortestDecimal(std::fabs(value));
    if (!decimal)
        return nullptr;
    if (std::signbit(value))
        *out++ = '-';
    char text[24];
    char* end = std::to_chars(text, text + sizeof text, decimal->mantissa).ptr;
    std::string_view digits(text, static_cast<size_t>(end - text));
    std::string_view significant = digits;
    while (significant.size() > 1 && significant.back() == '0')
        significant.remove_suffix(1);
    auto fraction = static_cast<size_t>(decimal->fraction);
    int exponent = static_cast<int>(digits.size()) - 1 - decimal->fraction;
    int absExponent = exponent < 0 ? -exponent : exponent;
    size_t scientificLength =
        significant.size() + (significant.size() > 1 ? 1 : 0) + 2 + (absExponent < 100 ? 2 : 3);
    size_t fixedLength =
        digits.size() > fraction ? digits.size() + (fraction > 0 ? 1 : 0) : fraction + 2;
    if (decimal->mantissa != 0 && scientificLength < fixedLength)
        return writeScientific(out, significant, exponent);
    out = writeFixed(out, digits, fraction);
    if (fraction > 0)
        return out;
    return copy(out, ".0", 2);
}

} // namespace

bool parseReal(std::string_view text, double& value) {
    if (parseShortDecimal(text, value))
        return true;
    std::string_view s = digitsOf(text);
    if (!looksLikeRealWord(s))
        return false;
    const char* last = s.data() + s.size();
    auto [end, ec] = std::from_chars(s.data(), last, value);
    return ec == std::errc() && end == last && std::isfinite(value);
}

bool parseInt(std::string_view text, int64_t& value) {
    if (parseShortInteger(text, value))
        return true;
    std::string_view s = digitsOf(text);
    const char* last = s.data() + s.size();
    auto [end, ec] = std::from_chars(s.data(), last, value);
    if (ec == std::errc() && end == last && !s.empty())
        return true;
    double real = 0;
    if (!parseReal(s, real) || real != std::trunc(real) || std::fabs(real) > 9.0e18)
        return false;
    value = static_cast<int64_t>(real);
    return true;
}

char* writeReal(char* out, double value) {
    if (char* end = writeShortDecimal(out, value))
        return end;
    auto [end, ec] = std::to_chars(out, out + kMaxRealText, value);
    std::string_view text(out, static_cast<size_t>(end - out));
    if (text.find_first_of(".e") != std::string_view::npos)
        return end;
    end[0] = '.';
    end[1] = '0';
    return end + 2;
}

void appendReal(std::string& out, double value) {
    char buffer[kMaxRealText];
    out.append(buffer, writeReal(buffer, value));
}

} // namespace vma::dxf
