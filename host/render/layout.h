// Where a text primitive goes on the canvas: the baseline start before
// horizontal alignment (the renderers measure or anchor that themselves),
// the angle and the font size that gives capitals the text height.
#pragma once

#include "host/geom/geom.h"
#include "host/render/view.h"

namespace vma::render {

// Capital height of the sans fonts, as a part of the font size.
constexpr double kCapHeight = 0.72;

struct TextPlacement {
    double x = 0, y = 0;    // canvas
    double degrees = 0;     // canvas rotation, clockwise as canvas Y points down
    double fontSize = 0;    // canvas units
    double widthFactor = 1; // horizontal stretch
    double anchor = 0;      // 0 start, 0.5 middle, 1 end of the text at (x, y)
};

TextPlacement placeText(const geom::Primitive& text, const View& view);

} // namespace vma::render
