// The small questions built-in commands ask on the command line: a choice of
// keywords with a default, a file name (a yes or no is askYesNo of current.h). Each gives nullopt
// when the user cancels (Esc, or the input ran out).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

// One of the keywords (a space-separated acedInitGet list), as spelled there;
// Enter gives fallback.
std::optional<std::wstring> askKeyword(std::wstring_view prompt, std::wstring_view keywords,
                                       std::wstring_view fallback);
// A file name, ended by a blank as AutoCAD's file prompts are unless the name
// is in double quotes (which are taken off); Enter gives fallback.
std::optional<std::wstring> askFileName(std::wstring_view prompt, std::wstring_view fallback);

} // namespace vma::cmd
