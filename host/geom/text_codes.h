// Text as stored in a drawing to text as shown: the %% control codes of TEXT
// and ATTRIB, and the formatting codes and paragraphs of MTEXT.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vma::geom {

// %%c diameter, %%d degree, %%p plus-minus, %%% percent, %%nnn the character
// with that code; %%u and %%o (underline and overline toggles) are dropped.
// \U+XXXX escapes become the character.
std::string expandControlCodes(std::string_view text);

// The lines of an MTEXT value: split at \P (and ^J), formatting codes such as
// \H2.5x; \C1; \Ffont|b0; \L, braces and stacking (\S1^2; shown as 1/2) removed.
std::vector<std::string> mtextLines(std::string_view text);

// Lines broken at spaces so that none is longer than maxChars characters
// where the words allow it (a longer word keeps a line of its own).
std::vector<std::string> wrapLines(const std::vector<std::string>& lines, size_t maxChars);

} // namespace vma::geom
