// Angles in group lists: DXF, and so the database, keeps them in degrees,
// while entget, entmake, entmod and selection filters speak radians. One
// table says which groups are angles, so every edge converts the same ones.
#pragma once

#include <string_view>

namespace vma::db {

// True when group code of an object of the given type (entity type or table
// name, any case) is an angle kept in degrees. Codes 50-58 are, except where
// the file itself keeps radians (MTEXT rotation) or the program hands out
// degrees (a HATCH pattern line angle).
bool isAngleCode(std::string_view type, int code);

double degreesToRadians(double degrees);
double radiansToDegrees(double radians);

} // namespace vma::db
