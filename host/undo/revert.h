// Taking back one recorded change: the drawing or the variable returns to the
// state the journal kept from before it.
#pragma once

#include "host/db/database.h"
#include "host/sysvar/value.h"

#include <string_view>

namespace vma::undo {

void revertChange(db::Database& db, const db::Change& change);
void revertVariable(std::string_view name, const host::SysvarValue& before);

} // namespace vma::undo
