// Entities as object snaps see them: straight segments, circular arcs and
// the special points of each kind, all in world coordinates.
#pragma once

#include "host/db/database.h"
#include "host/input/event.h"

#include <vector>

namespace vma::input {

struct Segment {
    Point a{}, b{};
};

struct Arc {
    Point centre{};
    double radius = 0;
    double start = 0, end = 0; // radians, counter-clockwise in the world XY plane
    bool full = false;
};

struct Shape {
    std::vector<Segment> segments;
    std::vector<Arc> arcs;
    std::vector<Point> ends, mids, centres, quadrants, inserts, nodes;
};

// The shape of an entity of model space; empty for kinds snaps do not know.
Shape shapeOf(const db::Database& db, db::EntityId id);

// Whether the angle lies on the arc's sweep.
bool onArc(const Arc& arc, double angle);
Point arcPoint(const Arc& arc, double angle);

} // namespace vma::input
