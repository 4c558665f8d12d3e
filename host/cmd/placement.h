// The world transforms of the edit commands, built from what the user gave
// in the current UCS: a displacement, a rotation about the UCS Z axis
// through a base point, a scale about a base point.
#pragma once

#include "host/geom/matrix.h"
#include "host/input/event.h"

namespace vma::cmd {

// The displacement from one UCS point to another, in the world.
geom::Matrix displacement(const input::Point& fromUcs, const input::Point& toUcs);
// Rotation by radians, counter-clockwise about the UCS Z axis through the base point (UCS).
geom::Matrix rotationAbout(const input::Point& baseUcs, double radians);
// Uniform scale about the base point (UCS).
geom::Matrix scalingAbout(const input::Point& baseUcs, double factor);

// The linear part transposed, without translation: the inverse of a rotation
// (the axes of a coordinate system).
geom::Matrix transposed(const geom::Matrix& a);

} // namespace vma::cmd
