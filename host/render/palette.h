// Colours of a preview: the background and what each colour index looks like
// on it.
#pragma once

#include "host/geom/aci.h"

#include <string>

namespace vma::render {

struct Palette {
    bool dark = false;

    geom::Rgb background() const { return dark ? geom::Rgb{0, 0, 0} : geom::Rgb{255, 255, 255}; }
    // Index 7 is the colour that contrasts with the background: black on white paper.
    geom::Rgb color(int aci) const;
};

// "#rrggbb".
std::string hex(const geom::Rgb& c);

} // namespace vma::render
