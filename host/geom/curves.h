// Curves broken into chords: arcs, bulged polyline segments, ellipses and
// B-splines. Every generated point lies on the true curve.
#pragma once

#include "host/geom/geom.h"

#include <vector>

namespace vma::geom {

// Chords per full turn: fine enough for previews and selection, coarse
// enough that a drawing of many circles stays small.
constexpr int kChordsPerTurn = 72;

// Points of an arc from angle a0 to a1 (radians, counter-clockwise; a1 is
// taken past a0 by whole turns as needed), both ends included, in the plane z.
void appendArc(std::vector<Vec3>& out, const Vec3& centre, double radius, double a0, double a1);
// A full circle without repeating the first point.
std::vector<Vec3> circlePoints(const Vec3& centre, double radius);
// Points after p0 up to and including p1 along a bulged segment (bulge =
// tan(sweep/4), positive counter-clockwise); just p1 for a straight one.
void appendBulge(std::vector<Vec3>& out, const Vec3& p0, const Vec3& p1, double bulge);
// An elliptical arc: centre, major axis end (relative), minor axis vector,
// parameters t0..t1 counter-clockwise.
void appendEllipse(std::vector<Vec3>& out, const Vec3& centre, const Vec3& major, const Vec3& minor,
                   double t0, double t1);
// A non-uniform rational B-spline of the given degree; an empty result when
// the knots and control points do not fit together.
std::vector<Vec3> bspline(int degree, const std::vector<double>& knots,
                          const std::vector<Vec3>& control, const std::vector<double>& weights);

} // namespace vma::geom
