// Reading entity values out of a group list: points as their 10/20/30-style
// triples, numbers with defaults.
#pragma once

#include "host/db/group.h"
#include "host/geom/geom.h"

#include <string_view>

namespace vma::geom {

double realOr(const db::GroupList& g, int code, double fallback);
int intOr(const db::GroupList& g, int code, int fallback);
std::string_view textOr(const db::GroupList& g, int code, std::string_view fallback);
// The point whose X is group code (10, 11, ...), with Y and Z the groups
// code+10 and code+20 that follow it; fallback when the X group is missing.
Vec3 pointOr(const db::GroupList& g, int code, Vec3 fallback = {});
// The same for the X group at index i (Z 0 when absent).
Vec3 pointAt(const db::GroupList& g, size_t i);
// The extrusion direction (210), world Z when absent.
Vec3 extrusion(const db::GroupList& g);
// Angles are stored in degrees.
double radians(double degrees);

} // namespace vma::geom
