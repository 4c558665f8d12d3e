#include "host/render/layout.h"

#include <numbers>

namespace vma::render {

TextPlacement placeText(const geom::Primitive& text, const View& view) {
    geom::Primitive leftAligned = text;
    leftAligned.halign = 0;
    geom::Vec3 origin = geom::textOrigin(leftAligned);
    TextPlacement t;
    t.x = view.x(origin.x);
    t.y = view.y(origin.y);
    t.degrees = -text.rotation * 180 / std::numbers::pi;
    t.fontSize = text.height * view.scale() / kCapHeight;
    t.widthFactor = text.widthFactor > 0 ? text.widthFactor : 1;
    t.anchor = text.halign == 1 ? 0.5 : text.halign == 2 ? 1 : 0;
    return t;
}

} // namespace vma::render
