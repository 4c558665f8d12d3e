// Layer records as the LAYER command changes them: name lists with commas
// and wildcards, the on/off state in the sign of the colour (62), frozen (1)
// and locked (4) in the flags (70). Every change replaces the record through
// the database, so the undo journal sees it.
#pragma once

#include "host/db/database.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::cmd {

// The names of a comma-separated list, as typed.
std::vector<std::wstring_view> splitNames(std::wstring_view list);

// The layers a name list names (any case; "*" and the other wildcards match).
std::vector<uint32_t> layersMatching(const db::Database& db, std::wstring_view list);

// Applies a change to a layer's groups; the record is replaced only when they differ.
void changeLayer(db::Database& db, uint32_t index,
                 const std::function<void(db::GroupList&)>& change);

bool isCurrentLayer(const db::Database& db, uint32_t index);
bool isFrozen(const db::GroupList& layer);
bool isOff(const db::GroupList& layer);

// Renames a layer and every entity and block definition on it; CLAYER follows.
void renameLayer(db::Database& db, uint32_t index, std::string_view newName);

// The name of an AutoCAD colour index, with its standard name for 1 to 7: "1 (red)".
std::wstring colorText(int color);
// A colour typed as a number (1-255, negative: off) or one of the seven names.
std::optional<int> parseColor(std::wstring_view text);

} // namespace vma::cmd
