// The toolkit's one formatter for runtime printf-style formats (catalogue
// lines, settings formats, debug lines). Each conversion is checked against
// the type of the argument it takes: %s wants a string (a wide string, as on
// the vendor platform), %d %i %u %o %x %X %c an integer, %f %F %e %E %g %G %a
// %A a real. A conversion that does not fit its argument, one without an
// argument left, one that needs an argument of its own (%*d, %n, %p) or a
// width or precision above 1000 is shown as a visible placeholder
// "<%...?>" instead; nothing is ever read that was not given.
#pragma once

#include "adscodes.h"

#include <span>
#include <string>
#include <string_view>

struct DvArg {
    int type = RTNONE; // RTREAL, RTSHORT, RTLONG, RTSTR; RTNONE, RTVOID, RTNIL: none
    double real = 0;
    long long integer = 0;
    std::wstring text;
};

inline DvArg dv_arg(double v) {
    return DvArg{RTREAL, v, 0, {}};
}
inline DvArg dv_arg(int v) {
    return DvArg{RTLONG, 0, v, {}};
}
inline DvArg dv_arg(long v) {
    return DvArg{RTLONG, 0, v, {}};
}
inline DvArg dv_arg(long long v) {
    return DvArg{RTLONG, 0, v, {}};
}
inline DvArg dv_arg(unsigned v) {
    return DvArg{RTLONG, 0, v, {}};
}
inline DvArg dv_arg(const wchar_t* v) {
    return DvArg{RTSTR, 0, 0, v ? v : L""};
}
inline DvArg dv_arg(std::wstring v) {
    return DvArg{RTSTR, 0, 0, std::move(v)};
}
inline DvArg dv_arg(std::wstring_view v) {
    return DvArg{RTSTR, 0, 0, std::wstring(v)};
}

// The format with its conversions filled from args in order.
std::wstring dv_format(std::wstring_view format, std::span<const DvArg> args);

template <typename... Args> std::wstring dv_formatf(std::wstring_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return dv_format(format, {});
    } else {
        const DvArg list[] = {dv_arg(args)...};
        return dv_format(format, list);
    }
}
