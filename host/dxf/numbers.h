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

// Appends the shortest round-trip text of a finite value ("1.0", "0.1", "1e+20").
void appendReal(std::string& out, double value);

} // namespace vma::dxf
