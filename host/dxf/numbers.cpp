#include "host/dxf/numbers.h"

#include <charconv>
#include <cmath>

namespace vma::dxf {
namespace {

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

} // namespace

bool parseReal(std::string_view text, double& value) {
    std::string_view s = digitsOf(text);
    if (!looksLikeRealWord(s))
        return false;
    const char* last = s.data() + s.size();
    auto [end, ec] = std::from_chars(s.data(), last, value);
    return ec == std::errc() && end == last && std::isfinite(value);
}

bool parseInt(std::string_view text, int64_t& value) {
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
