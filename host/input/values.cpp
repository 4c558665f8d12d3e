#include "host/input/values.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <cwchar>
#include <numbers>

namespace vma::input {
namespace {

constexpr double kPi = std::numbers::pi;

double realVar(std::string_view name, double fallback) {
    auto v = host::getSysvar(host::Session::get(), name);
    if (!v.ok())
        return fallback;
    return v->isInteger() ? static_cast<double>(v->integer) : v->real;
}

double degrees(double d) {
    return d * kPi / 180;
}

// "45d30'15\"" with the minutes and seconds optional.
std::optional<double> parseDms(std::wstring_view text) {
    size_t d = text.find_first_of(L"dD");
    auto deg = parseReal(text.substr(0, d));
    if (!deg)
        return std::nullopt;
    std::wstring_view rest = text.substr(d + 1);
    double minutes = 0, seconds = 0;
    size_t q = rest.find(L'\'');
    if (q != std::wstring_view::npos) {
        auto m = parseReal(rest.substr(0, q));
        if (!m)
            return std::nullopt;
        minutes = *m;
        rest.remove_prefix(q + 1);
    }
    if (!rest.empty()) {
        if (rest.back() != L'"')
            return std::nullopt;
        auto s = parseReal(rest.substr(0, rest.size() - 1));
        if (!s)
            return std::nullopt;
        seconds = *s;
    }
    double sign = *deg < 0 || text.starts_with(L"-") ? -1 : 1;
    return degrees(*deg + sign * (minutes / 60 + seconds / 3600));
}

// "N45d30'E": from north or south towards east or west, as a direction.
std::optional<double> parseBearing(std::wstring_view text) {
    if (text.size() == 1) {
        switch (upperChar(text[0])) {
        case L'E':
            return 0.0;
        case L'N':
            return kPi / 2;
        case L'W':
            return kPi;
        case L'S':
            return 3 * kPi / 2;
        default:
            return std::nullopt;
        }
    }
    wchar_t from = upperChar(text.front()), to = upperChar(text.back());
    if ((from != L'N' && from != L'S') || (to != L'E' && to != L'W') || text.size() < 3)
        return std::nullopt;
    auto a = parseAngle(text.substr(1, text.size() - 2), 1);
    if (!a)
        return std::nullopt;
    double base = from == L'N' ? kPi / 2 : 3 * kPi / 2;
    bool towardsZero = (from == L'N') == (to == L'E');
    return base + (towardsZero ? -*a : *a);
}

std::optional<Point> parseCartesian(std::wstring_view text) {
    Point p{};
    for (int i = 0; i < 3; ++i) {
        size_t comma = text.find(L',');
        auto v = parseReal(text.substr(0, comma));
        if (!v)
            return std::nullopt;
        p[i] = *v;
        if (comma == std::wstring_view::npos)
            return i == 0 ? std::nullopt : std::optional<Point>(p);
        text.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

} // namespace

Units currentUnits() {
    Units u;
    u.aunits = static_cast<int>(realVar("AUNITS", 0));
    u.angbase = realVar("ANGBASE", 0);
    u.clockwise = realVar("ANGDIR", 0) != 0;
    auto& session = host::Session::get();
    if (session.hasDocument())
        u.ucs = host::ucsFrame(*session.current().db);
    return u;
}

std::optional<double> parseReal(std::wstring_view text) {
    if (text.empty() || text.size() > 64 || std::iswspace(static_cast<wint_t>(text[0])))
        return std::nullopt;
    std::wstring s(text);
    wchar_t* end = nullptr;
    double v = std::wcstod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v))
        return std::nullopt;
    if (s.find_first_of(L"xXpPnN") != std::wstring::npos)
        return std::nullopt;
    return v;
}

std::optional<long> parseInteger(std::wstring_view text) {
    size_t start = !text.empty() && (text[0] == L'-' || text[0] == L'+') ? 1 : 0;
    if (text.size() <= start || text.size() > 18)
        return std::nullopt;
    for (size_t i = start; i < text.size(); ++i)
        if (text[i] < L'0' || text[i] > L'9')
            return std::nullopt;
    return std::wcstol(std::wstring(text).c_str(), nullptr, 10);
}

std::optional<double> parseAngle(std::wstring_view text, int aunits) {
    if (text.empty())
        return std::nullopt;
    wchar_t last = upperChar(text.back());
    std::wstring_view body = text.substr(0, text.size() - 1);
    if (last == L'R')
        return parseReal(body);
    if (last == L'G') {
        auto g = parseReal(body);
        return g ? std::optional<double>(*g * kPi / 200) : std::nullopt;
    }
    if (text.find_first_of(L"dD") != std::wstring_view::npos)
        return parseDms(text);
    auto v = parseReal(text);
    if (!v)
        return std::nullopt;
    switch (aunits) {
    case 2:
        return *v * kPi / 200;
    case 3:
        return *v;
    default:
        return degrees(*v);
    }
}

std::optional<double> parseDirection(std::wstring_view text, const Units& units) {
    if (units.aunits == 4 || (!text.empty() && std::wcschr(L"NSnsEWew", text[0]))) {
        if (auto b = parseBearing(text))
            return normalizeAngle(*b);
    }
    auto a = parseAngle(text, units.aunits);
    if (!a)
        return std::nullopt;
    return normalizeAngle(units.angbase + (units.clockwise ? -*a : *a));
}

std::optional<Point> parsePoint(std::wstring_view text, const Units& units,
                                const std::optional<Point>& last) {
    bool relative = text.starts_with(L"@");
    if (relative)
        text.remove_prefix(1);
    if (relative && !last)
        return std::nullopt;
    Point origin = relative ? *last : Point{};
    if (relative && text.empty())
        return origin;
    Point offset{};
    size_t lt = text.find(L'<');
    if (lt != std::wstring_view::npos) {
        auto d = parseReal(text.substr(0, lt));
        auto a = parseDirection(text.substr(lt + 1), units);
        if (!d || !a)
            return std::nullopt;
        offset = {*d * std::cos(*a), *d * std::sin(*a), 0};
    } else {
        auto p = parseCartesian(text);
        if (!p)
            return std::nullopt;
        offset = *p;
    }
    return Point{origin[0] + offset[0], origin[1] + offset[1], origin[2] + offset[2]};
}

double normalizeAngle(double a) {
    a = std::fmod(a, 2 * kPi);
    if (a < 0)
        a += 2 * kPi;
    return a >= 2 * kPi - 1e-12 ? 0 : a;
}

Point toUcs(const Units& units, const Point& world) {
    Point out{};
    host::fromWorld(units.ucs, world.data(), false, out.data());
    return out;
}

Point toWorldPoint(const Units& units, const Point& ucs) {
    Point out{};
    host::toWorld(units.ucs, ucs.data(), false, out.data());
    return out;
}

} // namespace vma::input
