// The registry file of the host profile in REGEDIT4 text form:
//   REGEDIT4
//   [HKEY_CURRENT_USER\Software\Firm\App]
//   "Name"="text with \\ and \" escaped"
//   @="the default value"
//   "Count"=dword:0000000a
//   "Blob"=hex:01,ff,20   (a long list goes on over lines ending in a backslash)
//   "Path"=hex(2):... (other types: their number, string types as UTF-8 bytes)
#pragma once

#include "host/base/error.h"
#include "host/win/registry_tree.h"

#include <string>
#include <string_view>

namespace vma::win {

// The tree a file holds; an error with its line when the text is not REGEDIT4.
ErrorOr<RegTree> parseRegedit(std::string_view text);
// The file text of a tree, CR LF line ends.
std::string formatRegedit(const RegTree& tree);

} // namespace vma::win
