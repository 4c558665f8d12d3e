// Typed numbers, angles and points. Angles follow AUNITS (decimal degrees,
// degrees/minutes/seconds, grads, radians, surveyor's bearings; a "d", "g"
// or "r" suffix works in any mode) and are turned into directions by
// ANGBASE and ANGDIR. Points are x,y[,z], @dx,dy[,dz], d<a or @d<a in the
// current UCS.
#pragma once

#include "host/db/frames.h"
#include "host/input/event.h"

#include <optional>
#include <string_view>

namespace vma::input {

struct Units {
    int aunits = 0;
    double angbase = 0; // radians
    bool clockwise = false;
    host::Frame ucs;
};
// The settings of the current drawing.
Units currentUnits();

std::optional<double> parseReal(std::wstring_view text);
std::optional<long> parseInteger(std::wstring_view text);
// An angle as typed, in radians, before ANGBASE and ANGDIR.
std::optional<double> parseAngle(std::wstring_view text, int aunits);
// The direction (radians from the UCS X axis, counter-clockwise) a typed angle names.
std::optional<double> parseDirection(std::wstring_view text, const Units& units);
// A typed point in UCS coordinates; relative forms need the last point (UCS).
std::optional<Point> parsePoint(std::wstring_view text, const Units& units,
                                const std::optional<Point>& last);

double normalizeAngle(double a);
Point toUcs(const Units& units, const Point& world);
Point toWorldPoint(const Units& units, const Point& ucs);

} // namespace vma::input
