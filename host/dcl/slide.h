// Slides (SLD) and slide libraries (SLB): the vector pictures image tiles
// show. Slide coordinates have their origin lower left, 0..highX by 0..highY.
#pragma once

#include "host/base/error.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vma::dcl {

struct SlideVector {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 7;
};

struct SlideFill {
    std::vector<std::pair<int, int>> points;
    int color = 7;
};

struct Slide {
    int highX = 0, highY = 0;
    double aspect = 1; // width / height of the screen it was made on
    std::vector<SlideVector> vectors;
    std::vector<SlideFill> fills;
};

// A slide file of either byte order, level 1 or 2.
ErrorOr<Slide> readSlide(std::string_view bytes);

// The names in a slide library, in directory order.
ErrorOr<std::vector<std::string>> libraryNames(std::string_view bytes);
// The bytes of the slide named name (without regard to case) in a library.
ErrorOr<std::string_view> librarySlide(std::string_view bytes, std::string_view name);

// Level 2 slide bytes; bigEndian writes the 2-byte fields high byte first.
std::string writeSlide(const Slide& slide, bool bigEndian = false);
// A library of named slides (names upper-cased, at most 31 bytes).
ErrorOr<std::string> writeLibrary(const std::vector<std::pair<std::string, std::string>>& slides);

} // namespace vma::dcl
