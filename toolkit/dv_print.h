// Command-line output of finished text: the text is never taken as a format.
#pragma once

#include "toolkit/dv_format.h"

#include <string_view>

void dv_print(std::wstring_view text);

// Formats through the checked formatter, then prints.
template <typename... Args> void dv_printf(std::wstring_view format, const Args&... args) {
    dv_print(dv_formatf(format, args...));
}
