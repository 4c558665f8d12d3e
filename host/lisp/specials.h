// The special forms of AutoLISP: their arguments are not evaluated first.
#pragma once

#include "host/lisp/interp.h"

namespace vma::lisp {

using Special = ErrorOr<Value> (*)(Interp&, const Value& args);

// The form of that upper-case name, or nullptr.
Special findSpecial(std::wstring_view name);

} // namespace vma::lisp
