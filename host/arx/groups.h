// Setting groups of a stored list without disturbing its extended data,
// which must stay at the end.
#pragma once

#include "host/db/group.h"

#include <initializer_list>
#include <string_view>

namespace vma::arx {

void putInt(db::GroupList& groups, int code, int64_t value);
void putReal(db::GroupList& groups, int code, double value);
void putText(db::GroupList& groups, int code, std::string_view value);
void removeCode(db::GroupList& groups, int code);
// Replaces this list's groups of the codes by the other list's, placed after group 0.
void copyCodes(db::GroupList& groups, const db::GroupList& from, std::initializer_list<int> codes);

} // namespace vma::arx
