// The number and field readers behind the typed values of the settings store.
// Numbers follow the C runtime's wide conversions: leading white space is
// skipped, reading stops at the first character that does not fit, and a
// text without a number gives 0.
#pragma once

#include <string_view>
#include <vector>

double ini_text_real(std::wstring_view text);
// Integers are 32 bits, as on the platform the settings files come from: a
// number beyond that range gives the nearest end of it.
int ini_text_integer(std::wstring_view text);

// The text cut at every separator; n separators give n + 1 fields, empty ones
// included, and nothing is trimmed.
std::vector<std::wstring_view> ini_text_fields(std::wstring_view text,
                                               std::wstring_view separators);
