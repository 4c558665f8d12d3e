// The module's text files (settings, debug and trace files) are UTF-8 on
// disk and wide inside.
#pragma once

#include <string>
#include <string_view>

// A broken sequence becomes U+FFFD, so that a damaged file still reads.
std::wstring dv_from_utf8(std::string_view bytes);
// Lone surrogates and values beyond U+10FFFF are written as U+FFFD.
std::string dv_to_utf8(std::wstring_view text);
