// File-name wildcards as Windows directory search takes them: '*' any run of
// characters, '?' one character, letters in any case; "*.*" matches every
// name, also one without a dot.
#pragma once

#include <string_view>

namespace vma::win {

bool matchesFilePattern(std::wstring_view pattern, std::wstring_view name);

} // namespace vma::win
