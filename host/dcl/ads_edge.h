// Shared helpers of the DCL C functions: handles checked against the open
// dialogs, keys found, and wide text copied into caller buffers.
#pragma once

#include "adsdlg.h"
#include "host/dcl/dialog.h"

#include <string>

namespace vma::dcl {

// The open dialog of a handle, or nullptr.
Dialog* dialogOf(ads_hdlg hdlg);
// The tile keyed key in the dialog of hdlg, or nullptr.
Tile* tileOf(ads_hdlg hdlg, const ACHAR* key);
// Copies text (UTF-8) into out as wide text, cut to len - 1 characters. RTNORM,
// or RTERROR for a null or empty buffer.
int copyOut(const std::string& text, ACHAR* out, int len);

} // namespace vma::dcl
