// The mapping from drawing coordinates to the canvas: the extents fitted with
// a margin, centred, Y turned to point down as image rows do.
#pragma once

#include "host/geom/geom.h"

namespace vma::render {

// Part of the canvas left free on each side.
constexpr double kMargin = 0.05;

class View {
public:
    // Fits the box into a canvas of width x height; an empty box gives a view
    // that draws nothing useful but is valid.
    static View fit(const geom::Box& box, int width, int height);

    double x(double drawingX) const { return centreX_ + (drawingX - midX_) * scale_; }
    double y(double drawingY) const { return centreY_ - (drawingY - midY_) * scale_; }
    double scale() const { return scale_; } // canvas units per drawing unit

private:
    double scale_ = 1;
    double midX_ = 0, midY_ = 0;
    double centreX_ = 0, centreY_ = 0;
};

} // namespace vma::render
