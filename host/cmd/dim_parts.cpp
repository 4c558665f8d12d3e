#include "host/cmd/dim_parts.h"

#include "host/base/text.h"
#include "host/cmd/entity_out.h"
#include "host/geom/matrix.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr std::string_view kBlockLayer = "0";

db::GroupList entity(std::string_view type, std::string_view layer, int color) {
    db::GroupList g;
    g.addText(0, type);
    g.addText(8, layer);
    g.addInt(62, color);
    return g;
}

// Perpendicular in the XY plane, turned a quarter counter-clockwise.
Vec3 left(const Vec3& v) {
    return {-v.y, v.x, 0};
}

void addSolid(DimDrawing& d, const Vec3& a, const Vec3& b, const Vec3& c, int color) {
    db::GroupList g = entity("SOLID", kBlockLayer, color);
    addPoint(g, 10, a);
    addPoint(g, 11, b);
    addPoint(g, 12, c);
    addPoint(g, 13, c);
    d.entities.push_back(std::move(g));
}

// The closed filled arrowhead: a third as wide as it is long.
void addFilled(DimDrawing& d, const Vec3& tip, const Vec3& back, double size, int color) {
    Vec3 side = left(back) * (size / 6);
    addSolid(d, tip, tip + back * size + side, tip + back * size - side, color);
}

void addCircle(DimDrawing& d, const Vec3& centre, double radius, int color) {
    db::GroupList g = entity("CIRCLE", kBlockLayer, color);
    addPoint(g, 10, centre);
    g.addReal(40, radius);
    d.entities.push_back(std::move(g));
}

// An oblique stroke through p, half its length each way.
void addTick(DimDrawing& d, const Vec3& p, const Vec3& along, double half, int color) {
    Vec3 slant = unit(along + left(along)) * half;
    addLine(d, p - slant, p + slant, color);
}

// Two lines from the tip, each at spread radians from the body's axis.
void addOpen(DimDrawing& d, const Vec3& tip, const Vec3& back, double size, double spread,
             int color) {
    Vec3 side = left(back) * (size * std::tan(spread));
    addLine(d, tip, tip + back * size + side, color);
    addLine(d, tip, tip + back * size - side, color);
}

void addBlockArrow(DimDrawing& d, const std::string& name, const Vec3& tip, const Vec3& back,
                   double size, int color) {
    db::GroupList g = entity("INSERT", kBlockLayer, color);
    g.addText(2, name);
    addPoint(g, 10, tip);
    g.addReal(41, size);
    g.addReal(42, size);
    g.addReal(43, size);
    g.addReal(50, std::atan2(-back.y, -back.x) * 180 / std::numbers::pi);
    d.entities.push_back(std::move(g));
}

const std::string& arrowName(const DimVars& vars, bool second) {
    if (!vars.separateBlocks)
        return vars.block;
    return second ? vars.block2 : vars.block1;
}

} // namespace

Vec3 unit(const Vec3& v) {
    double len = geom::length(v);
    return len > 1e-12 ? v * (1 / len) : Vec3{1, 0, 0};
}

void addLine(DimDrawing& d, const Vec3& a, const Vec3& b, int color) {
    db::GroupList g = entity("LINE", kBlockLayer, color);
    addPoint(g, 10, a);
    addPoint(g, 11, b);
    d.entities.push_back(std::move(g));
}

void addDefpoint(DimDrawing& d, const Vec3& p) {
    db::GroupList g = entity("POINT", "DEFPOINTS", 0);
    addPoint(g, 10, p);
    d.entities.push_back(std::move(g));
}

void addText(DimDrawing& d, const DimVars& vars, const std::string& text, const Vec3& middle,
             const Vec3& direction) {
    db::GroupList g = entity("MTEXT", kBlockLayer, vars.textColor);
    addPoint(g, 10, middle);
    g.addReal(40, vars.scaled(vars.text));
    g.addReal(41, 0);
    g.addInt(71, 5);
    g.addInt(72, 1);
    g.addText(1, text);
    if (!vars.textStyle.empty())
        g.addText(7, vars.textStyle);
    addPoint(g, 11, direction);
    d.entities.push_back(std::move(g));
    d.textMiddle = middle;
}

double arrowLength(const DimVars& vars) {
    if (vars.tick > 0)
        return 0;
    return vars.scaled(vars.arrow);
}

double textWidth(const DimVars& vars, const std::string& text) {
    return static_cast<double>(utf8ToWide(text).size()) * geom::kCharWidth * vars.scaled(vars.text);
}

void addArrow(DimDrawing& d, const DimVars& vars, const Vec3& tip, const Vec3& back, bool second) {
    int color = vars.lineColor;
    if (vars.tick > 0) {
        addTick(d, tip, back, vars.scaled(vars.tick) / 2, color);
        return;
    }
    double size = vars.scaled(vars.arrow);
    std::string name = upperName(arrowName(vars, second));
    constexpr double kDegree = std::numbers::pi / 180;
    if (name.empty() || name == "_CLOSEDFILLED") {
        addFilled(d, tip, back, size, color);
    } else if (name == "_CLOSED" || name == "_CLOSEDBLANK") {
        Vec3 side = left(back) * (size / 6);
        addOpen(d, tip, back, size, std::atan(1.0 / 6), color);
        addLine(d, tip + back * size + side, tip + back * size - side, color);
    } else if (name == "_OPEN" || name == "_OPEN30" || name == "_OPEN90") {
        double spread = name == "_OPEN30"   ? 15 * kDegree
                        : name == "_OPEN90" ? 45 * kDegree
                                            : std::atan(1.0 / 6);
        addOpen(d, tip, back, size, spread, color);
    } else if (name == "_OBLIQUE" || name == "_ARCHTICK") {
        addTick(d, tip, back, size / 2, color);
    } else if (name == "_DOT" || name == "_DOTBLANK" || name == "_ORIGIN" || name == "_ORIGIN2") {
        addCircle(d, tip, size / 4, color);
    } else if (name == "_DOTSMALL" || name == "_SMALL") {
        addCircle(d, tip, size / 16, color);
    } else if (name == "_NONE") {
        return;
    } else if (name.starts_with('_')) {
        // Other predefined shapes (boxes, datum triangles) are drawn as the default.
        addFilled(d, tip, back, size, color);
    } else {
        addBlockArrow(d, arrowName(vars, second), tip, back, size, color);
    }
}

} // namespace vma::cmd
