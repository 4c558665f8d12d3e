// Where a TEXT entity keeps its points for each justification: group 10 the
// start of the baseline, 11 the point the user gave (the second endpoint for
// Align and Fit), 72/73 the justification. The baseline start of a justified
// text comes from the host's text width estimate, as no font metrics exist.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

using Point = std::array<double, 3>;

enum class Justify : uint8_t {
    Left,
    Center,
    Right,
    Align,
    Middle,
    Fit,
    TL,
    TC,
    TR,
    ML,
    MC,
    MR,
    BL,
    BC,
    BR
};

struct JustifyRule {
    Justify justify;
    std::wstring_view keyword;     // the option as typed and as shown after "Justify:"
    std::wstring_view pointPrompt; // the first point asked for
    int horizontal;                // group 72
    int vertical;                  // group 73
};

const JustifyRule& ruleOf(Justify justify);
// The justification an option keyword names (any case), or nullopt.
std::optional<Justify> justifyNamed(std::wstring_view keyword);
// Align and Fit: the text runs between two points the user gives.
bool betweenPoints(Justify justify);

// One line of text in the plane of its object coordinate system.
struct TextLine {
    Justify justify = Justify::Left;
    Point first{};  // the point given: start, alignment point or first endpoint
    Point second{}; // the second endpoint (Align, Fit)
    double height = 0;
    double rotation = 0; // radians in the plane
    double widthFactor = 1;
    std::string text; // UTF-8
};

struct TextPlacement {
    Point start{};     // group 10
    Point alignment{}; // group 11 (written for every justification but Left)
    double height = 0;
    double rotation = 0; // radians
    double widthFactor = 1;
};

// Align fits the height to the two points, Fit the width factor; the others
// keep the line's height and width factor.
TextPlacement place(const TextLine& line);

// The next line under this one: one line spacing (five thirds of the height)
// further along the negative Y of the text's direction.
TextLine lineBelow(const TextLine& line);

} // namespace vma::cmd
