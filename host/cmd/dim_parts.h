// The pieces a dimension block is drawn from: lines, arrowheads or ticks,
// the text and the definition points, as entity group lists in world
// coordinates (the block is inserted at the origin).
#pragma once

#include "host/cmd/dim_vars.h"
#include "host/db/group.h"
#include "host/geom/geom.h"

#include <string>
#include <vector>

namespace vma::cmd {

using geom::Vec3;

// A dimension's drawing: its block content and what the DIMENSION entity
// records about it.
struct DimDrawing {
    std::vector<db::GroupList> entities;
    Vec3 textMiddle;
    double measurement = 0;
};

void addLine(DimDrawing& d, const Vec3& a, const Vec3& b, int color);
// A definition point, on layer DEFPOINTS.
void addDefpoint(DimDrawing& d, const Vec3& p);
// The text centred at middle, running along direction (a unit vector).
void addText(DimDrawing& d, const DimVars& vars, const std::string& text, const Vec3& middle,
             const Vec3& direction);
// The arrowhead (DIMBLK, or DIMBLK1/DIMBLK2 with DIMSAH; second picks which)
// or, with DIMTSZ, the tick at tip; back points from the tip into its body.
void addArrow(DimDrawing& d, const DimVars& vars, const Vec3& tip, const Vec3& back, bool second);

// How far along the dimension line an arrowhead reaches (0 for ticks).
double arrowLength(const DimVars& vars);
// The width of a text as the host lays it out.
double textWidth(const DimVars& vars, const std::string& text);

Vec3 unit(const Vec3& v);

} // namespace vma::cmd
