// Appending lines to the developer's text files (debug and trace), in UTF-8.
#pragma once

#include <string_view>

// True when the text was appended (the file is made when missing).
bool dv_append_text(const wchar_t* path, std::wstring_view text);
