// The standard linetypes of the metric linetype library (CENTER, DASHED,
// HIDDEN, DOT ... with their half-size "2" and double-size "X2" variants),
// loaded into a drawing when a layer asks for one that is not there yet.
#pragma once

#include "host/db/database.h"

#include <optional>
#include <string_view>

namespace vma::cmd {

// The LTYPE record's index for a linetype of the drawing, loading a standard
// definition when the drawing lacks it; nullopt for an unknown name.
std::optional<uint32_t> loadedLinetype(db::Database& db, std::string_view name);

} // namespace vma::cmd
