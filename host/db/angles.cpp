#include "host/db/angles.h"

#include "host/base/text.h"

#include <numbers>

namespace vma::db {
namespace {

bool isAngleRange(int code) {
    return code >= 50 && code <= 58;
}

bool keepsRadians(std::string_view type, int code) {
    return code == 50 && equalsNoCase(type, "MTEXT");
}

bool handsOutDegrees(std::string_view type, int code) {
    return code == 53 && equalsNoCase(type, "HATCH");
}

} // namespace

bool isAngleCode(std::string_view type, int code) {
    return isAngleRange(code) && !keepsRadians(type, code) && !handsOutDegrees(type, code);
}

double degreesToRadians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double radiansToDegrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

} // namespace vma::db
