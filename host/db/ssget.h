// What acedSSGet selects in each mode, before the set is opened: the
// candidates of the mode that pass the filter, in selection order.
#pragma once

#include "host/base/error.h"
#include "host/db/filter.h"
#include "host/db/selection.h"
#include "host/db/session.h"
#include "host/db/window.h"

#include <functional>
#include <string_view>

namespace vma::host {

struct SelectRequest {
    // Interactive asks "Select objects:" until Enter; Single (":S") ends at
    // the first pick or window that selects something.
    enum class Mode { Interactive, Single, All, Last, Previous, Implied, Window, Crossing };
    Mode mode = Mode::Interactive;
    Window window; // Window and Crossing
};

// "X", "L", "P", "I", "W", "C" or ":S" in any case with an optional leading
// "_"; an empty mode is interactive. pt1 and pt2 are the corners for W and C.
ErrorOr<SelectRequest> parseSelectRequest(std::wstring_view mode, const double* pt1,
                                          const double* pt2);

// The selected entities of doc; an error when nothing is selected or the mode
// needs input no one can give.
ErrorOr<Selection> selectEntities(const Document& doc, const SelectRequest& request,
                                  const Filter& filter);

// The user's selection for the interactive modes. The loop asking for it
// lives with the input engine, which the database does not depend on: it
// installs itself here. It returns RTNORM with what was selected (perhaps
// nothing), or RTCAN.
using InteractiveSelector =
    std::function<int(Document& doc, const Filter& filter, bool single, Selection& out)>;
void setInteractiveSelector(InteractiveSelector selector);
const InteractiveSelector& interactiveSelector();

} // namespace vma::host
