#include "toolkit/dv_check.h"

#include "toolkit/dv_debug.h"
#include "toolkit/dv_vars.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace {

constexpr int kReal = 5001, kShort = 5003, kLong = 5010;

// One full turn in the current angle unit; nullopt (after saying why on the
// debug channel) for units without one, with the result they give.
struct Turn {
    std::optional<double> full;
    int otherwise = 0;
};

Turn fullTurn() {
    int units = 0;
    dv_get_sysvar_int(L"AUNITS", units);
    switch (units) {
    case 0:
        return {360.0};
    case 2:
        return {400.0};
    case 3:
        return {2 * std::numbers::pi};
    case 1:
    case 4:
        dv_debug_print(L"This unit type is not supported!\n");
        return {std::nullopt, 0};
    default:
        dv_debug_print(L"Unknown angle-untis!!!!\n");
        return {std::nullopt, -1};
    }
}

int checkAngle(double value) {
    Turn turn = fullTurn();
    if (!turn.full)
        return turn.otherwise;
    if (value < 0)
        value += *turn.full;
    return value >= 0 && value < *turn.full ? 0 : 4;
}

int checkInteger(int kind, int64_t v) {
    switch (kind) {
    case 0:
        return v < 1 ? 1 : 0;
    case 1:
        return v < 0 ? 2 : 0;
    case 2:
        return 0;
    case 3:
        return v > 255 ? 3 : 0;
    case 4:
        return checkAngle(static_cast<double>(v));
    case 5:
        return v == 0 ? 5 : 0;
    default:
        return -1;
    }
}

int checkReal(int kind, double v) {
    switch (kind) {
    case 0:
        return v <= 0 ? 1 : 0;
    case 1:
        return v < 0 ? 2 : 0;
    case 3:
        return v < 1 || v > 255 ? 3 : 0;
    case 4:
        return checkAngle(v);
    case 5:
        return std::fabs(v) < 1e-6 ? 5 : 0;
    default:
        return 0;
    }
}

} // namespace

int dv_check_value(int type, int kind, const void* value) {
    if (value == nullptr)
        return -1;
    switch (type) {
    case kReal:
        return checkReal(kind, *static_cast<const double*>(value));
    case kShort:
        return checkInteger(kind, *static_cast<const int16_t*>(value));
    case kLong:
        return checkInteger(kind, *static_cast<const int32_t*>(value));
    default:
        return -1;
    }
}
