// The AutoCAD Colour Index: the 256 colours the numbers 0..255 stand for, and
// the nearest index for a true colour.
#pragma once

#include <cstdint>

namespace vma::geom {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour of an index 0..255 as the CAD program shows it on a dark screen
// (7 is white there; previews on white paper draw 7 black). Out of range gives 7.
Rgb aciColor(int index);
// The index 1..255 closest to a true colour (DXF group 420: 0xRRGGBB).
int nearestAci(uint32_t rgb);

} // namespace vma::geom
