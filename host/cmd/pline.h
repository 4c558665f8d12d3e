// PLINE: a lightweight polyline in the plane of the current UCS (its Z axis
// the extrusion), with straight and arc segments and per-segment widths.
#pragma once

namespace vma::cmd {

void pline();

} // namespace vma::cmd
