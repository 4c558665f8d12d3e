#include "host/cmd/text_layout.h"

#include "host/base/text.h"
#include "host/geom/geom.h"

#include <cmath>

namespace vma::cmd {
namespace {

constexpr JustifyRule kRules[] = {
    {Justify::Left, L"Left", L"Specify start point of text: ", 0, 0},
    {Justify::Center, L"Center", L"Specify center point of text: ", 1, 0},
    {Justify::Right, L"Right", L"Specify right endpoint of text baseline: ", 2, 0},
    {Justify::Align, L"Align", L"Specify first endpoint of text baseline: ", 3, 0},
    {Justify::Middle, L"Middle", L"Specify middle point of text: ", 4, 0},
    {Justify::Fit, L"Fit", L"Specify first endpoint of text baseline: ", 5, 0},
    {Justify::TL, L"TL", L"Specify top-left point of text: ", 0, 3},
    {Justify::TC, L"TC", L"Specify top-center point of text: ", 1, 3},
    {Justify::TR, L"TR", L"Specify top-right point of text: ", 2, 3},
    {Justify::ML, L"ML", L"Specify middle-left point of text: ", 0, 2},
    {Justify::MC, L"MC", L"Specify middle point of text: ", 1, 2},
    {Justify::MR, L"MR", L"Specify middle-right point of text: ", 2, 2},
    {Justify::BL, L"BL", L"Specify bottom-left point of text: ", 0, 1},
    {Justify::BC, L"BC", L"Specify bottom-center point of text: ", 1, 1},
    {Justify::BR, L"BR", L"Specify bottom-right point of text: ", 2, 1},
};

// Five thirds of the height, the spacing AutoCAD leaves between lines.
constexpr double kLineSpacing = 5.0 / 3.0;

// The width the host's layout gives the text at height 1 and width factor 1.
double unitWidth(const std::string& text) {
    geom::Primitive p;
    p.text = text;
    p.height = 1;
    return geom::textWidth(p);
}

TextPlacement between(const TextLine& line) {
    TextPlacement out;
    out.start = line.first;
    out.alignment = line.second;
    double dx = line.second[0] - line.first[0], dy = line.second[1] - line.first[1];
    double length = std::hypot(dx, dy);
    out.rotation = std::atan2(dy, dx);
    out.height = line.height;
    out.widthFactor = line.widthFactor;
    double unit = unitWidth(line.text);
    if (unit <= 0 || length <= 0)
        return out;
    if (line.justify == Justify::Align)
        out.height = length / (unit * line.widthFactor);
    else
        out.widthFactor = length / (unit * line.height);
    return out;
}

} // namespace

const JustifyRule& ruleOf(Justify justify) {
    return kRules[static_cast<size_t>(justify)];
}

std::optional<Justify> justifyNamed(std::wstring_view keyword) {
    std::wstring upper = upperName(keyword);
    for (const JustifyRule& rule : kRules)
        if (upperName(rule.keyword) == upper)
            return rule.justify;
    return std::nullopt;
}

bool betweenPoints(Justify justify) {
    return justify == Justify::Align || justify == Justify::Fit;
}

TextPlacement place(const TextLine& line) {
    if (betweenPoints(line.justify))
        return between(line);
    const JustifyRule& rule = ruleOf(line.justify);
    TextPlacement out;
    out.alignment = line.first;
    out.height = line.height;
    out.rotation = line.rotation;
    out.widthFactor = line.widthFactor;
    geom::Primitive p;
    p.kind = geom::Primitive::Kind::Text;
    p.points.push_back({line.first[0], line.first[1], line.first[2]});
    p.text = line.text;
    p.height = line.height;
    p.rotation = line.rotation;
    p.widthFactor = line.widthFactor;
    p.halign = rule.horizontal == 4 ? 1 : rule.horizontal;
    p.valign = rule.horizontal == 4 ? 2 : rule.vertical;
    geom::Vec3 start = geom::textOrigin(p);
    out.start = {start.x, start.y, start.z};
    return out;
}

TextLine lineBelow(const TextLine& line) {
    TextLine next = line;
    double angle = betweenPoints(line.justify) ? place(line).rotation : line.rotation;
    double step = line.height * kLineSpacing;
    double dx = step * std::sin(angle), dy = -step * std::cos(angle);
    for (Point* p : {&next.first, &next.second}) {
        (*p)[0] += dx;
        (*p)[1] += dy;
    }
    next.text.clear();
    return next;
}

} // namespace vma::cmd
