// Text conversion at the host's edges. Inside the drawing database text is
// UTF-8; the platform API speaks wchar_t (ACHAR); some files are Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace vma {

std::wstring utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);
// Bytes of Windows-1252 as UTF-8 (undefined code points map to U+FFFD).
std::string cp1252ToUtf8(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

// Upper case for names: ASCII and Latin-1 letters, as the CAD program folds
// symbol-table names.
std::string upperName(std::string_view utf8);
std::wstring upperName(std::wstring_view wide);
// One character folded as upperName folds it.
wchar_t upperChar(wchar_t c);
bool equalsNoCase(std::string_view a, std::string_view b);

// malloc'ed copy of a wide string, for result buffers freed by acutRelRb.
wchar_t* mallocWide(std::wstring_view text);

} // namespace vma
