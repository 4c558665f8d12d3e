// Distances and angles as text in the CAD program's unit formats (rtos, angtos).
#pragma once

#include <string>

namespace vma::lisp {

// mode 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional.
std::wstring distanceText(double value, int mode, int precision);
// mode 0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, 4 surveyor's.
std::wstring angleText(double radians, int mode, int precision);

} // namespace vma::lisp
