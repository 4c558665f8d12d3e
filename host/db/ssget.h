// What acedSSGet selects in each mode, before the set is opened: the
// candidates of the mode that pass the filter, in selection order.
#pragma once

#include "host/base/error.h"
#include "host/db/filter.h"
#include "host/db/selection.h"
#include "host/db/session.h"

#include <string_view>

namespace vma::host {

struct SelectRequest {
    enum class Mode { Interactive, All, Last, Previous, Implied, Window, Crossing };
    Mode mode = Mode::Interactive;
    // Window and Crossing: the corners in the WCS XY plane, lower left and upper right.
    double low[2] = {0, 0};
    double high[2] = {0, 0};
};

// "X", "L", "P", "I", "W" or "C" in any case with an optional leading "_"; an
// empty mode is interactive. pt1 and pt2 are the corners for W and C.
ErrorOr<SelectRequest> parseSelectRequest(std::wstring_view mode, const double* pt1,
                                          const double* pt2);

// The selected entities of doc; an error when nothing is selected or the mode
// needs input no one can give.
ErrorOr<Selection> selectEntities(const Document& doc, const SelectRequest& request,
                                  const Filter& filter);

} // namespace vma::host
