// Text styles as the TEXT, STYLE and TEXTSTYLE commands read them from the
// STYLE table.
#pragma once

#include "host/db/database.h"

#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

struct TextStyle {
    std::string name;  // as stored
    double height = 0; // 0: asked for each text
    double widthFactor = 1;
    double oblique = 0; // degrees
    int generation = 0; // group 71: 2 backwards, 4 upside down
    bool vertical = false;
    std::string font;
};

std::optional<TextStyle> findStyle(const db::Database& db, std::string_view name);
// The style TEXTSTYLE names; the first style of the table when that one is gone.
TextStyle currentStyle();

} // namespace vma::cmd
