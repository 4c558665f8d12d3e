// The system-variable table: AutoCAD's type, default, range and read-only
// status of each variable, where it is stored (drawing header or session), and
// the session values.
#pragma once

namespace vma::host {

class SysvarTable {};

} // namespace vma::host
