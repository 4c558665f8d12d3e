// Values across the ADS boundary: the document's symbol store (flat atoms),
// result-buffer lists for acedGetArgs/acedRetVal/acedInvoke, and entity lists
// (DXF group codes) for entget, entmake, entmod, ssget filters and tables.
#pragma once

#include "adsdef.h"
#include "host/db/rblist.h"
#include "host/db/symbols.h"
#include "host/lisp/value.h"

#include <optional>

namespace vma::lisp {

// Lists of two or three reals travel as points; symbols, files and functions
// have no atom form (nullopt).
std::optional<host::LispValue> toAtoms(const Value& v);
Value fromAtoms(const host::LispValue& atoms);

// A value as a result-buffer chain (nil: nullptr) and back. Symbols go as
// their names.
host::RbList toResbufs(const Value& v);
// A chain holding one value (the first) or several (as a list when asList).
Value fromResbufs(const resbuf* chain, bool asList);

// An entity list (dotted pairs; -3 holds extended data) and back.
Value fromGroups(const resbuf* chain);
ErrorOr<host::RbList> toGroups(const Value& list);

} // namespace vma::lisp
