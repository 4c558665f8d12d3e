#include "host/dxf/numbers.h"

#include <charconv>
#include <cmath>

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
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
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

// A plain decimal ("-12.375", "  40") read in one pass. When the digits fit in
// 53 bits and the power of ten is exact, one division rounds correctly and
// gives the very double from_chars gives; anything else is left to it.
bool parseShortDecimal(std::string_view text, double& value) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    if (end - p > kMaxDigits + 1)
        return false;
    const char* first = p;
    uint64_t mantissa = 0;
    for (; p < end && isDigit(*p); ++p)
        mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    auto digits = p - first;
    long fraction = 0;
    if (p < end && *p == '.') {
        const char* point = ++p;
        for (; p < end && isDigit(*p); ++p)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        fraction = p - point;
        digits += fraction;
    }
    if (p != end || digits == 0 || mantissa > kExactMantissa || fraction > kMaxExactPower)
        return false;
    double magnitude = static_cast<double>(mantissa) / kExactPowers[fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

// A plain integer ("-42", "     1"); longer or decorated texts take the full path.
bool parseShortInteger(std::string_view text, int64_t& value) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    if (p == end || end - p > 18)
        return false;
    int64_t magnitude = 0;
    for (; p < end; ++p) {
        if (!isDigit(*p))
            return false;
        magnitude = magnitude * 10 + (*p - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
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

void appendReal(std::string& out, double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string_view text(buffer, static_cast<size_t>(end - buffer));
    out.append(text);
    if (text.find_first_of(".e") == std::string_view::npos)
        out.append(".0");
}

} // namespace vma::dxf
