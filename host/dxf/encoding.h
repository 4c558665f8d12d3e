// Text of DXF string values. Inside the database text is UTF-8. Files before
// AC1021 carry code-page bytes (taken as UTF-8 when they are valid UTF-8, else
// as Windows-1252) and \U+XXXX escapes; AC1021 and later are UTF-8. Written
// files are plain ASCII with \U+XXXX escapes, as R2000 files are.
#pragma once

#include <string>
#include <string_view>

namespace vma::dxf {

enum class Encoding { CodePage, Utf8 };

// True when the value has bytes that decoding would change (non-ASCII or a backslash).
bool needsDecoding(std::string_view raw);
// Appends the UTF-8 text of a value. False when an AC1021+ value was not valid
// UTF-8 (it is then taken as Windows-1252).
bool decodeText(std::string_view raw, Encoding encoding, std::string& out);

// True when the text is printable ASCII and can be written as it is.
bool isPlainAscii(std::string_view text);
// Appends the text as an R2000 value: non-ASCII as \U+XXXX (UTF-16 units),
// control characters in caret form (^J), so a value never breaks a line.
void appendEncoded(std::string& out, std::string_view utf8);

} // namespace vma::dxf
