#include "host/render/view.h"

#include <algorithm>

namespace vma::render {

View View::fit(const geom::Box& box, int width, int height) {
    View v;
    v.centreX_ = width / 2.0;
    v.centreY_ = height / 2.0;
    if (box.empty())
        return v;
    v.midX_ = (box.min.x + box.max.x) / 2;
    v.midY_ = (box.min.y + box.max.y) / 2;
    double dx = box.max.x - box.min.x, dy = box.max.y - box.min.y;
    double usableX = width * (1 - 2 * kMargin), usableY = height * (1 - 2 * kMargin);
    // A single point or a line along one axis: fit the other direction alone.
    if (dx <= 0 && dy <= 0)
        return v;
    double sx = dx > 0 ? usableX / dx : 1e300;
    double sy = dy > 0 ? usableY / dy : 1e300;
    v.scale_ = std::min(sx, sy);
    return v;
}

} // namespace vma::render
