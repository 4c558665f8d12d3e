// Checks on values a variable accepts beyond its type and range: names that
// must exist in the drawing, and values that must be positive.
#pragma once

#include "host/base/error.h"
#include "host/sysvar/value.h"

#include <string_view>

namespace vma::host {

class Session;

// CLAYER: an existing layer that is not frozen; gives the layer's own spelling.
ErrorOr<SysvarValue> existingLayer(Session&, SysvarValue);
// CELTYPE: an existing linetype (BYLAYER and BYBLOCK are entries of the table).
ErrorOr<SysvarValue> existingLinetype(Session&, SysvarValue);
// TEXTSTYLE: an existing text style.
ErrorOr<SysvarValue> existingTextStyle(Session&, SysvarValue);
// DIMBLK: "" or "." for the default arrow, a predefined arrow ("_OPEN", "ArchTick"),
// or an existing block.
ErrorOr<SysvarValue> arrowBlock(Session&, SysvarValue);
// Reals that must be greater than zero (LTSCALE, TEXTSIZE).
ErrorOr<SysvarValue> positiveReal(Session&, SysvarValue);

// The colour number of a CECOLOR value ("BYLAYER", "bylayer", "Red", "7"), or an error.
ErrorOr<int> parseColor(std::string_view text);

} // namespace vma::host
