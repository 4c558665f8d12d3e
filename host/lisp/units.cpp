// Unit formats of rtos and angtos.
#include "host/lisp/units.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace vma::lisp {

namespace {

std::wstring printf1(const char* format, int precision, double value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    std::string s = buffer;
    return std::wstring(s.begin(), s.end());
}

std::wstring fixed(double value, int precision) {
    return printf1("%.*f", precision, value);
}

// Scientific as the CAD program writes it: 1.5000E+01.
std::wstring scientific(double value, int precision) {
    return printf1("%.*E", precision, value);
}

// Whole part and a fraction with a power-of-two denominator: "3 1/2", "3", "1/4".
std::wstring fraction(double value, int precision) {
    int denominator = 1 << std::min(precision, 8);
    long long units = std::llround(std::fabs(value) * denominator);
    long long whole = units / denominator;
    long long numerator = units % denominator;
    long long d = denominator;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        d /= 2;
    }
    std::wstring sign = value < 0 && units != 0 ? L"-" : L"";
    if (numerator == 0)
        return sign + std::to_wstring(whole);
    std::wstring part = std::to_wstring(numerator) + L"/" + std::to_wstring(d);
    return sign + (whole == 0 ? part : std::to_wstring(whole) + L" " + part);
}

std::wstring feetInches(double value, int precision, bool architectural) {
    double inches = std::fabs(value);
    long long feet = static_cast<long long>(inches / 12);
    double rest = inches - feet * 12.0;
    std::wstring sign = value < 0 ? L"-" : L"";
    std::wstring restText = architectural ? fraction(rest, precision) : fixed(rest, precision);
    if (feet == 0)
        return sign + restText + L"\"";
    return sign + std::to_wstring(feet) + L"'-" + restText + L"\"";
}

void dms(double degrees, int precision, std::wstring& out) {
    long long d = static_cast<long long>(degrees);
    double minutesAll = (degrees - d) * 60;
    long long m = static_cast<long long>(minutesAll);
    double s = (minutesAll - m) * 60;
    out += std::to_wstring(d) + L"d";
    if (precision <= 0)
        return;
    out += std::to_wstring(m) + L"'";
    if (precision <= 2)
        return;
    out += (precision > 4 ? fixed(s, precision - 4) : std::to_wstring(std::llround(s))) + L"\"";
}

} // namespace

std::wstring distanceText(double value, int mode, int precision) {
    switch (mode) {
    case 1:
        return scientific(value, precision);
    case 3:
        return feetInches(value, precision, false);
    case 4:
        return feetInches(value, precision, true);
    case 5:
        return fraction(value, precision);
    default:
        return fixed(value, precision);
    }
}

std::wstring angleText(double radians, int mode, int precision) {
    double full = 2 * std::numbers::pi;
    double a = std::fmod(radians, full);
    if (a < 0)
        a += full;
    double degrees = a * 180 / std::numbers::pi;
    std::wstring out;
    switch (mode) {
    case 1:
        dms(degrees, precision, out);
        return out;
    case 2:
        return fixed(a * 200 / std::numbers::pi, precision) + L"g";
    case 3:
        return fixed(a, precision) + L"r";
    case 4: {
        bool north = degrees <= 180;
        bool east = degrees < 90 || degrees > 270;
        double off = std::fabs(north ? 90 - degrees : 270 - degrees);
        if (std::fabs(off) < 1e-12)
            return std::wstring(north ? L"N" : L"S");
        if (std::fabs(off - 90) < 1e-12)
            return std::wstring(east ? L"E" : L"W");
        out = north ? L"N " : L"S ";
        dms(off, precision, out);
        return out + (east ? L" E" : L" W");
    }
    default:
        return fixed(degrees, precision);
    }
}

} // namespace vma::lisp
