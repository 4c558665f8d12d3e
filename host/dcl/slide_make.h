// Slides made from drawings: a drawing's model space as vectors (texts as
// their boxes, fills of up to ten corners as slide fills), scaled into the
// slide's dot range with its proportions kept.
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"
#include "host/dcl/slide.h"

#include <filesystem>
#include <vector>

namespace vma::dcl {

// The longer side of a made slide, in dots.
constexpr int kSlideDots = 4000;

Slide slideOfDrawing(const db::Database& db);
// A slide library of DXF drawings, each named by its file name without extension.
ErrorOr<std::string> libraryOfDrawings(const std::vector<std::filesystem::path>& drawings);

} // namespace vma::dcl
