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

// Rounded at the last unit shown, so 44d59'59.9999" shows as 45d0'0".
void dms(double degrees, int precision, std::wstring& out) {
    if (precision <= 1) {
        out += std::to_wstring(std::llround(degrees)) + L"d";
        return;
    }
    if (precision <= 3) {
        long long minutes = std::llround(degrees * 60);
        out += std::to_wstring(minutes / 60) + L"d" + std::to_wstring(minutes % 60) + L"'";
        return;
    }
    int decimals = precision - 4;
    double scale = std::pow(10.0, decimals);
    double seconds = std::round(degrees * 3600 * scale) / scale;
    long long whole = static_cast<long long>(seconds);
    double s = seconds - static_cast<double>(whole - whole % 60);
    out += std::to_wstring(whole / 3600) + L"d" + std::to_wstring(whole / 60 % 60) + L"'" +
           fixed(s, decimals) + L"\"";
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
        if (std::fabs(off) < 1e-9)
            return std::wstring(north ? L"N" : L"S");
        if (std::fabs(off - 90) < 1e-9)
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
