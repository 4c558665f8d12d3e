// Slides by the names dialogs use: "name" is the file name.sld, and
// "library(name)" the slide name in the library file library.slb; files are
// found as acedFindFile finds them, slide names looked up upper-cased.
#pragma once

#include "host/base/error.h"
#include "host/dcl/slide.h"
#include "host/dcl/tile.h"

#include <string_view>
#include <vector>

namespace vma::dcl {

ErrorOr<Slide> findSlide(std::wstring_view name);

// Draws a slide into an image display list, scaled to fit the rectangle at
// (x, y), width by height, with its proportions kept; the image's y runs down.
void drawSlide(const Slide& slide, int x, int y, int width, int height, std::vector<ImageOp>& out);

} // namespace vma::dcl
