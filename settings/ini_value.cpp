#include "settings/ini_value.h"

#include "settings/ini_value_convert.h"
#include "toolkit/dv_format.h"

#include <cwchar>
#include <string>

namespace {

// How far a point text got: the readers differ only in what they report.
enum class PointShape {
    Complete,
    NoFirstComma,
    NothingAfterFirst,
    NoSecondComma,
    NothingAfterSecond,
};

bool isScalarType(int type) {
    return type == RTREAL || type == RTSHORT || type == RTLONG || type == RTSTR;
}

void convertScalar(std::wstring_view text, int type, DvValue& value) {
    if (type == RTREAL)
        value.real = ini_text_real(text);
    else if (type == RTSTR)
        value.text = std::wstring(text);
    else
        value.integer = ini_text_integer(text);
}

// What every reader does alike: scalars convert and succeed, a type the store
// does not know gets the reader's own status. Points are left to the reader.
std::optional<int> readShared(std::wstring_view text, int type, DvValue& value, int unknownStatus) {
    if (isScalarType(type)) {
        convertScalar(text, type, value);
        return 0;
    }
    if (type != RTPOINT && type != RT3DPOINT)
        return unknownStatus;
    return std::nullopt;
}

// x before the first comma, y after it (up to a second comma for a 3D point),
// z after the second; coordinates not reached are 0.
PointShape readPoint(std::wstring_view text, bool threeD, DvValue& value) {
    value.point[X] = value.point[Y] = value.point[Z] = 0;
    const size_t first = text.find(L',');
    value.point[X] = ini_text_real(text.substr(0, first));
    if (first == std::wstring_view::npos)
        return PointShape::NoFirstComma;
    const std::wstring_view rest = text.substr(first + 1);
    if (!threeD) {
        if (rest.empty())
            return PointShape::NothingAfterFirst;
        value.point[Y] = ini_text_real(rest);
        return PointShape::Complete;
    }
    const size_t second = rest.find(L',');
    value.point[Y] = ini_text_real(rest.substr(0, second));
    if (second == std::wstring_view::npos)
        return PointShape::NoSecondComma;
    const std::wstring_view last = rest.substr(second + 1);
    if (last.empty())
        return PointShape::NothingAfterSecond;
    value.point[Z] = ini_text_real(last);
    return PointShape::Complete;
}

int defaultStatusOf(PointShape shape) {
    switch (shape) {
    case PointShape::Complete:
        return 0;
    case PointShape::NoFirstComma:
        return -1;
    case PointShape::NothingAfterFirst:
    case PointShape::NoSecondComma:
        return -2;
    case PointShape::NothingAfterSecond:
        return -3;
    }
    return 0;
}

// The registry reader scans "%lf,%lf[,%lf]" as the C runtime does: the count
// of numbers read decides, and a number not read stays 0.
int scannedNumbers(std::wstring_view text, DvValue& value) {
    value.point[X] = value.point[Y] = value.point[Z] = 0;
    const std::wstring copy(text);
    const int count = std::swscanf(copy.c_str(), L"%lf,%lf,%lf", &value.point[X], &value.point[Y],
                                   &value.point[Z]);
    return count < 0 ? 0 : count;
}

} // namespace

std::optional<std::wstring> dv_ini_value_text(int type, const DvValue& value) {
    switch (type) {
    case RTREAL:
        return dv_formatf(L"%lf", value.real);
    case RTPOINT:
        return dv_formatf(L"%lf,%lf", value.point[X], value.point[Y]);
    case RTSHORT:
    case RTLONG: // "%d" and "%ld" of a 32-bit integer: plain decimal digits
        return std::to_wstring(value.integer);
    case RTSTR:
        return value.text;
    case RT3DPOINT:
        return dv_formatf(L"%lf,%lf,%lf", value.point[X], value.point[Y], value.point[Z]);
    default:
        return std::nullopt;
    }
}

int dv_ini_text_value(std::wstring_view text, int type, DvValue& value) {
    if (const std::optional<int> status = readShared(text, type, value, DV_FAILED))
        return *status;
    const PointShape shape = readPoint(text, type == RT3DPOINT, value);
    const bool complete = shape == PointShape::Complete || shape == PointShape::NothingAfterSecond;
    return complete ? 0 : DV_FAILED;
}

int dv_ini_default_value(std::wstring_view text, int type, DvValue& value) {
    if (const std::optional<int> status = readShared(text, type, value, 2))
        return *status;
    return defaultStatusOf(readPoint(text, type == RT3DPOINT, value));
}

int dv_ini_registry_value(std::wstring_view text, int type, DvValue& value) {
    if (const std::optional<int> status = readShared(text, type, value, DV_FAILED))
        return *status;
    const int needed = type == RT3DPOINT ? 2 : 1;
    const int read = scannedNumbers(text, value);
    if (type == RTPOINT)
        value.point[Z] = 0;
    return read >= needed ? 0 : DV_FAILED;
}
