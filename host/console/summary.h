// The --info report: what a drawing holds, for a person at a terminal.
#pragma once

#include "host/db/database.h"

#include <string>
#include <string_view>

namespace vma::console {

// Version, handle seed and model-space extents, then aligned tables: entities
// per type (model space and all blocks), model-space entities per layer,
// blocks with their entity counts, and layers with colour, linetype and state.
// Counts are of main entities that are not erased; vertices, attributes and
// sequence ends belong to theirs.
std::string summary(const db::Database& db, std::string_view name);

} // namespace vma::console
