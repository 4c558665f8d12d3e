// Numbers in DXF values: parsed with std::from_chars (no locale, no copies) and
// reals written in the shortest form that reads back to the same double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vma::dxf {

// Blanks around the number and a leading '+' are allowed; anything else after
// it, or a value that is not finite, is false.
bool parseReal(std::string_view text, double& value);
// As parseReal; a real with no fraction ("3.0") is taken as its integer.
bool parseInt(std::string_view text, int64_t& value);

// Longest text writeReal gives.
constexpr size_t kMaxRealText = 32;
// Writes the shortest round-trip text of a finite value ("1.0", "0.1", "1e+20")
// at out, which has room for kMaxRealText bytes; returns the end. The text is
// std::to_chars's (fixed or scientific, whichever is shorter) with ".0" added
// to a bare integer.
char* writeReal(char* out, double value);
// As writeReal, appended to a string.
void appendReal(std::string& out, double value);

} // namespace vma::dxf
