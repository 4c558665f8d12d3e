#include "host/cmd/dim_layout.h"

#include "host/geom/matrix.h"

#include <cmath>

namespace vma::cmd {
namespace {

using geom::dot;

// Texts read from left to right or from bottom to top.
Vec3 readable(const Plane& plane, const Vec3& along) {
    double x = dot(along, plane.x), y = dot(along, plane.y);
    if (x < -1e-9 || (std::fabs(x) <= 1e-9 && y < 0))
        return along * -1;
    return along;
}

Vec3 upOf(const Plane& plane, const Vec3& textDir) {
    double x = dot(textDir, plane.x), y = dot(textDir, plane.y);
    return plane.x * -y + plane.y * x;
}

// The extension line from an origin out to (and past) the dimension line.
void addExtension(DimDrawing& d, const DimVars& vars, const Vec3& origin, const Vec3& onLine,
                  const Vec3& fallback) {
    Vec3 toLine = onLine - origin;
    double len = geom::length(toLine);
    Vec3 u = len > 1e-9 ? toLine * (1 / len) : fallback;
    double from = vars.scaled(vars.offset), to = len + vars.scaled(vars.extend);
    if (to - from <= 1e-9)
        return;
    addLine(d, origin + u * from, origin + u * to, vars.extColor);
}

// Half the length a text box covers along a line direction, with the gap around it.
double halfAlong(const DimVars& vars, double width, const Vec3& textDir, const Vec3& up,
                 const Vec3& along) {
    double h = vars.scaled(vars.text);
    return std::fabs(dot(textDir, along)) * width / 2 + std::fabs(dot(up, along)) * h / 2 +
           vars.scaled(vars.gap);
}

} // namespace

LinearDrawing layOutLinear(const DimVars& vars, const Plane& plane, const LinearInput& in) {
    LinearDrawing out;
    DimDrawing& d = out.drawing;
    Vec3 dir = plane.x * std::cos(in.angle) + plane.y * std::sin(in.angle);
    Vec3 normal = plane.x * -std::sin(in.angle) + plane.y * std::cos(in.angle);
    Vec3 d1 = in.first + normal * dot(in.location - in.first, normal);
    Vec3 d2 = in.second + normal * dot(in.location - in.second, normal);
    out.defpoint = d2;
    d.measurement = std::fabs(dot(in.second - in.first, dir));
    Vec3 e = d.measurement > 1e-12 ? unit(d2 - d1) : dir;
    out.direction = dir;

    // Origins on the dimension line give no direction of their own: their
    // extension lines go the way the other one goes, or along the normal.
    Vec3 side = unit(d1 - in.first);
    if (geom::length(d1 - in.first) <= 1e-9)
        side = geom::length(d2 - in.second) > 1e-9 ? unit(d2 - in.second) : normal;
    if (!vars.suppress1)
        addExtension(d, vars, in.first, d1, side);
    if (!vars.suppress2)
        addExtension(d, vars, in.second, d2, side);

    std::string text = shownText(in.typed, measuredText(vars, d.measurement));
    double width = textWidth(vars, text);
    double arrow = arrowLength(vars);
    double gap = vars.scaled(vars.gap);
    bool arrowsInside = d.measurement >= 2 * arrow + 1e-9;
    bool textInside = d.measurement >= width + 2 * gap + 2 * arrow;
    bool horizontal = textInside ? vars.insideHorizontal : vars.outsideHorizontal;
    Vec3 textDir = horizontal ? plane.x : readable(plane, e);
    Vec3 up = upOf(plane, textDir);
    bool alongLine = std::fabs(dot(textDir, e)) > 1 - 1e-9;
    // Horizontal text on a sloped line stays centred on it, whatever DIMTAD says.
    bool above = vars.textAbove != 0 && alongLine;
    double h = vars.scaled(vars.text);

    Vec3 middle = (d1 + d2) * 0.5;
    if (!textInside)
        middle = d2 + e * (2 * arrow + gap + halfAlong(vars, width, textDir, up, e));
    if (above)
        middle = middle + up * ((vars.textAbove == 4 ? -1 : 1) * (gap + h / 2));
    bool blank = text.find_first_not_of(' ') == std::string::npos;

    Vec3 start = d1, end = d2;
    if (vars.tick > 0) {
        start = start - e * vars.scaled(vars.lineExtend);
        end = end + e * vars.scaled(vars.lineExtend);
    }
    if (!arrowsInside) {
        start = start - e * (2 * arrow);
        end = end + e * (2 * arrow);
    }
    if (!above && textInside && !blank) {
        double half = halfAlong(vars, width, textDir, up, e);
        Vec3 c = (d1 + d2) * 0.5;
        if (dot(c - start, e) - half > 1e-9)
            addLine(d, start, c - e * half, vars.lineColor);
        if (dot(end - c, e) - half > 1e-9)
            addLine(d, c + e * half, end, vars.lineColor);
    } else {
        addLine(d, start, end, vars.lineColor);
    }
    Vec3 inward = arrowsInside ? e : e * -1;
    addArrow(d, vars, d1, inward, false);
    addArrow(d, vars, d2, inward * -1, true);
    if (!blank)
        addText(d, vars, text, middle, textDir);
    else
        d.textMiddle = middle;
    addDefpoint(d, in.first);
    addDefpoint(d, in.second);
    addDefpoint(d, d2);
    return out;
}

bool leaderMeasuresX(const Plane& plane, const Vec3& feature, const Vec3& leaderEnd) {
    Vec3 v = leaderEnd - feature;
    return std::fabs(dot(v, plane.x)) <= std::fabs(dot(v, plane.y));
}

DimDrawing layOutOrdinate(const DimVars& vars, const Plane& plane, const OrdinateInput& in) {
    DimDrawing d;
    Vec3 measureAxis = in.xDatum ? plane.x : plane.y;
    Vec3 leaderAxis = in.xDatum ? plane.y : plane.x;
    d.measurement = std::fabs(dot(in.feature - plane.origin, measureAxis));
    double run = dot(in.leaderEnd - in.feature, leaderAxis);
    double sign = run < 0 ? -1 : 1;
    Vec3 out = leaderAxis * sign;
    double offset = vars.scaled(vars.offset);
    double jog = vars.scaled(vars.arrow);
    Vec3 start = in.feature + out * offset;
    double across = dot(in.leaderEnd - in.feature, measureAxis);
    if (std::fabs(across) > 1e-9 && std::fabs(run) > offset + 2 * jog) {
        Vec3 bend1 = in.feature + out * (std::fabs(run) - 2 * jog);
        Vec3 bend2 = bend1 + measureAxis * across + out * jog;
        addLine(d, start, bend1, vars.lineColor);
        addLine(d, bend1, bend2, vars.lineColor);
        addLine(d, bend2, in.leaderEnd, vars.lineColor);
    } else if (std::fabs(run) > offset) {
        addLine(d, start, in.leaderEnd, vars.lineColor);
    }

    std::string text = shownText(in.typed, measuredText(vars, d.measurement));
    double width = textWidth(vars, text);
    bool horizontal = vars.insideHorizontal || vars.outsideHorizontal;
    Vec3 textDir = horizontal ? plane.x : readable(plane, leaderAxis);
    Vec3 up = upOf(plane, textDir);
    Vec3 middle = in.leaderEnd + out * halfAlong(vars, width, textDir, up, out);
    if (text.find_first_not_of(' ') != std::string::npos)
        addText(d, vars, text, middle, textDir);
    else
        d.textMiddle = middle;
    addDefpoint(d, in.feature);
    addDefpoint(d, in.leaderEnd);
    return d;
}

} // namespace vma::cmd
