// Range and list checks of a described item's validation rule. A check
// yields the explanation of a rejection, or nothing when the value passes;
// the box shows the explanation only when the file's switch is set.
#include "settings/ini_value.h"
#include "settings/ini_value_convert.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_compare.h"
#include "toolkit/dv_format.h"
#include "windows.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using Complaint = std::optional<std::wstring>;

// A bound coordinate that a rule leaves out does not limit that side.
constexpr double kOpenLow = -1e30;
constexpr double kOpenHigh = 1e30;
constexpr double kListTolerance = 1e-6;

// A line of the toolkit's catalogue section with its built-in Dutch text.
struct CatalogueLine {
    int number;
    const wchar_t* builtin;
};

constexpr CatalogueLine kCaption{72, L"Incorrecte waarde opgegeven"};
constexpr CatalogueLine kRealRange{73, L"Waarde moet liggen in bereik %.1lf - %.1lf!"};
constexpr CatalogueLine kLongRange{74, L"Waarde moet liggen in bereik %ld - %ld!"};
constexpr CatalogueLine kTextRange{75, L"Waarde moet liggen in bereik '%s' - '%s'!"};
constexpr CatalogueLine kShortRange{76, L"Waarde moet liggen in bereik %d - %d!"};
constexpr CatalogueLine kNotInList{
    77, L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!"};
constexpr CatalogueLine kAllowed{81, L"Toegestaan: "};
constexpr std::array<CatalogueLine, 3> kCoordinateRange{
    CatalogueLine{82, L"X-waarde moet liggen in bereik %.1lf - %.1lf!"},
    CatalogueLine{83, L"Y-waarde moet liggen in bereik %.1lf - %.1lf!"},
    CatalogueLine{84, L"Z-waarde moet liggen in bereik %.1lf - %.1lf!"}};

// A copy: the catalogue hands out one buffer that its next call overwrites.
std::wstring lineText(const CatalogueLine& line) {
    return dv_catalogue_line(line.number, line.builtin);
}

bool isStoreType(int type) {
    return type == RTREAL || type == RTPOINT || type == RTSHORT || type == RTSTR ||
           type == RT3DPOINT || type == RTLONG;
}
bool isPointType(int type) {
    return type == RTPOINT || type == RT3DPOINT;
}
bool isIntegerType(int type) {
    return type == RTSHORT || type == RTLONG;
}

// The value as a number for a numeric item: a text is read by the item's
// type; a number of another numeric type keeps its value, so a real passed
// for an integer item is not rounded into range. A point is no number.
std::optional<double> numberOf(const DvValue& value, int valueType, int itemType) {
    if (valueType == RTSTR)
        return itemType == RTREAL ? ini_text_real(value.text) : ini_text_integer(value.text);
    if (valueType == RTREAL)
        return value.real;
    if (isIntegerType(valueType))
        return value.integer;
    return std::nullopt;
}

bool within(double value, double low, double high) {
    return low <= value && value <= high;
}

Complaint checkNumber(int itemType, std::wstring_view low, std::wstring_view high,
                      const DvValue& value, int valueType) {
    const std::optional<double> number = numberOf(value, valueType, itemType);
    if (itemType == RTREAL) {
        const double lo = ini_text_real(low);
        const double hi = ini_text_real(high);
        if (number && within(*number, lo, hi))
            return std::nullopt;
        return dv_formatf(lineText(kRealRange), lo, hi);
    }
    const int lo = ini_text_integer(low);
    const int hi = ini_text_integer(high);
    if (number && within(*number, lo, hi))
        return std::nullopt;
    return dv_formatf(itemType == RTSHORT ? lineText(kShortRange) : lineText(kLongRange), lo, hi);
}

// A string item compares the text as it would be stored, in code-unit order.
Complaint checkText(std::wstring_view low, std::wstring_view high, const DvValue& value,
                    int valueType) {
    const std::optional<std::wstring> text = dv_ini_value_text(valueType, value);
    if (text && low <= *text && *text <= high)
        return std::nullopt;
    return dv_formatf(lineText(kTextRange), low, high);
}

double boundCoordinate(const std::vector<std::wstring_view>& fields, size_t axis, double open) {
    return axis < fields.size() ? ini_text_real(fields[axis]) : open;
}

// The coordinates a value supplies for a point item: a text its
// comma-separated fields, a point its own, a number just x.
std::vector<double> coordinatesOf(const DvValue& value, int valueType) {
    if (valueType == RTSTR) {
        std::vector<double> coordinates;
        for (std::wstring_view field : ini_text_fields(value.text, L","))
            coordinates.push_back(ini_text_real(field));
        return coordinates;
    }
    if (valueType == RTPOINT)
        return {value.point[X], value.point[Y]};
    if (valueType == RT3DPOINT)
        return {value.point[X], value.point[Y], value.point[Z]};
    if (valueType == RTREAL)
        return {value.real};
    if (isIntegerType(valueType))
        return {static_cast<double>(value.integer)};
    return {};
}

// Coordinates are checked x first; the first one out of range, or missing
// from the value, is the one reported.
Complaint checkPoint(int itemType, std::wstring_view low, std::wstring_view high,
                     const DvValue& value, int valueType) {
    const auto lows = ini_text_fields(low, L",");
    const auto highs = ini_text_fields(high, L",");
    const std::vector<double> coordinates = coordinatesOf(value, valueType);
    const size_t axes = itemType == RT3DPOINT ? 3 : 2;
    for (size_t axis = 0; axis < axes; ++axis) {
        const double lo = boundCoordinate(lows, axis, kOpenLow);
        const double hi = boundCoordinate(highs, axis, kOpenHigh);
        if (axis >= coordinates.size() || !within(coordinates[axis], lo, hi))
            return dv_formatf(lineText(kCoordinateRange[axis]), lo, hi);
    }
    return std::nullopt;
}

Complaint checkRange(int itemType, std::wstring_view rule, const DvValue& value, int valueType) {
    const size_t hash = rule.find(L'#');
    const std::wstring_view low = rule.substr(0, hash);
    const std::wstring_view high = rule.substr(hash + 1);
    if (itemType == RTSTR)
        return checkText(low, high, value, valueType);
    if (isPointType(itemType))
        return checkPoint(itemType, low, high, value, valueType);
    return checkNumber(itemType, low, high, value, valueType);
}

// List elements are read by the caller's type; a point matches no list.
bool matches(std::wstring_view element, const DvValue& value, int valueType) {
    if (valueType == RTREAL)
        return std::fabs(ini_text_real(element) - value.real) < kListTolerance;
    if (isIntegerType(valueType))
        return ini_text_integer(element) == value.integer;
    if (valueType == RTSTR)
        return dv_same_text(element, value.text);
    return false;
}

// An element as the list message shows it; for a type without a list form
// the element is shown as written.
std::wstring allowedElement(std::wstring_view element, int valueType) {
    switch (valueType) {
    case RTREAL:
        return dv_formatf(L"%.1lf, ", ini_text_real(element));
    case RTSHORT:
        return dv_formatf(L"%d, ", ini_text_integer(element));
    case RTLONG:
        return dv_formatf(L"%ld, ", ini_text_integer(element));
    case RTSTR:
        return dv_formatf(L"'%s', ", element);
    default:
        return dv_formatf(L"%s, ", element);
    }
}

Complaint checkList(std::wstring_view rule, const DvValue& value, int valueType) {
    const auto elements = ini_text_fields(rule, L",;");
    for (std::wstring_view element : elements) {
        if (matches(element, value, valueType))
            return std::nullopt;
    }
    std::wstring text = lineText(kNotInList) + L"\n\n" + lineText(kAllowed);
    for (std::wstring_view element : elements)
        text += allowedElement(element, valueType);
    return text;
}

} // namespace

int dv_ini_validate(const IniItem& item, const DvValue& value, int valueType,
                    unsigned validationSwitch) {
    if (!isStoreType(item.type) || !item.validation || item.validation->empty())
        return 1;
    const std::wstring_view rule = *item.validation;
    const Complaint complaint = rule.find(L'#') != std::wstring_view::npos
                                    ? checkRange(item.type, rule, value, valueType)
                                    : checkList(rule, value, valueType);
    if (!complaint)
        return 1;
    if (validationSwitch != 0)
        MessageBoxW(nullptr, complaint->c_str(), lineText(kCaption).c_str(), MB_OK);
    return 0;
}
