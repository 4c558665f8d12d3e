// Dimension styles: the DIM* system variables that a DIMSTYLE table entry
// keeps, by the group code the entry stores each under, and the two ways
// between them (DIM's SAVE and RESTORE).
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"
#include "host/db/session.h"

#include <span>
#include <string_view>

namespace vma::cmd {

struct StyleVariable {
    std::string_view name; // the system variable
    int code;              // its group in a DIMSTYLE entry
};

// Every variable a dimension style holds, in the order an entry lists them.
std::span<const StyleVariable> styleVariables();

// Writes the current dimension variables into the style entry of that name
// (made when missing, replaced otherwise) and makes it the current style.
ErrorOr<void> saveDimStyle(host::Session& session, std::string_view name);

// Sets every dimension variable from the named entry (the drawing's initial
// value where the entry lacks one) and makes it the current style; an error
// when there is no such style.
ErrorOr<void> restoreDimStyle(host::Session& session, std::string_view name);

} // namespace vma::cmd
