// Printed forms of AutoLISP values, as princ (strings raw) and prin1 (strings
// quoted with escapes) write them.
#pragma once

#include "host/lisp/value.h"

#include <string>

namespace vma::lisp {

enum class PrintMode { Princ, Prin1 };

std::wstring toText(const Value& v, PrintMode mode);
// A real as the CAD program shows it: six significant digits, a point always.
std::wstring realText(double r);

} // namespace vma::lisp
