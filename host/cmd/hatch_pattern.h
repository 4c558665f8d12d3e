// Hatch patterns as the HATCH entity stores them: the families of parallel
// lines already turned by the hatch angle and scaled, for a user-defined
// pattern (one family, or two crossed for a double hatch) or one of the
// few predefined patterns the host knows.
#pragma once

#include "host/db/group.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::cmd {

struct HatchPattern {
    std::string name; // "_USER", "SOLID", "ANSI31" ...
    bool solid = false;
    bool user = false;
    double angle = 0;   // radians
    double scale = 1;   // the spacing of a user-defined pattern
    bool twice = false; // double hatch (user-defined only)
};

// A predefined pattern by name (any case), or nullopt when the host has none of that name.
std::optional<HatchPattern> predefinedPattern(std::string_view name);
// The names of the predefined patterns, for "?".
std::vector<std::string> patternNames();

// Groups 75 to 79 (with 52, 41, 77, 78 and the line families 53 43 44 45 46
// 79 49) that follow the boundary paths of a HATCH.
void addPatternGroups(db::GroupList& g, const HatchPattern& pattern);

} // namespace vma::cmd
