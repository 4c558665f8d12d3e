#include "host/render/palette.h"

#include <fmt/format.h>

namespace vma::render {

geom::Rgb Palette::color(int aci) const {
    if (aci == 7)
        return dark ? geom::Rgb{255, 255, 255} : geom::Rgb{0, 0, 0};
    return geom::aciColor(aci);
}

std::string hex(const geom::Rgb& c) {
    return fmt::format("#{:02x}{:02x}{:02x}", c.r, c.g, c.b);
}

} // namespace vma::render
