// HATCH at the command line: the pattern (a predefined name, Solid, or a
// user-defined one by angle, spacing and double hatching), then the
// boundary objects, or with Enter a boundary given point by point.
#include "adscodes.h"
#include "host/base/text.h"
#include "host/cmd/builtins.h"
#include "host/cmd/drafting_input.h"
#include "host/cmd/entity_out.h"
#include "host/cmd/hatch_boundary.h"
#include "host/cmd/hatch_pattern.h"
#include "host/db/session.h"
#include "host/geom/hatch.h"
#include "host/input/prompt.h"

#include <algorithm>
#include <cmath>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

std::optional<HatchPattern> askUserPattern() {
    HatchPattern p{"_USER", false, true, 0, 1, false};
    auto angle = promptOrientation(L"Specify angle for crosshatch lines <0>: ");
    if (angle.cancelled())
        return std::nullopt;
    p.angle = angle.isValue() ? angle.value : 0;
    auto spacing =
        promptDistance(L"Specify spacing between the lines <1.0000>: ", RSG_NOZERO | RSG_NONEG);
    if (spacing.cancelled())
        return std::nullopt;
    p.scale = spacing.isValue() ? spacing.value : 1;
    auto twice = promptKeyword(L"Double hatch area? [Yes/No] <N>: ", L"Yes No");
    if (twice.cancelled())
        return std::nullopt;
    p.twice = twice.isValue() && twice.value == L"Yes";
    return p;
}

std::optional<HatchPattern> askScaleAndAngle(HatchPattern p) {
    auto scale =
        promptDistance(L"Specify a scale for the pattern <1.0000>: ", RSG_NOZERO | RSG_NONEG);
    if (scale.cancelled())
        return std::nullopt;
    p.scale = scale.isValue() ? scale.value : 1;
    auto angle = promptOrientation(L"Specify an angle for the pattern <0>: ");
    if (angle.cancelled())
        return std::nullopt;
    p.angle = angle.isValue() ? angle.value : 0;
    return p;
}

void listPatterns() {
    input::say(L"\nPatterns:\n");
    for (const std::string& name : patternNames())
        input::say(L"  " + utf8ToWide(name) + L"\n");
}

std::optional<HatchPattern> askPattern() {
    for (;;) {
        auto a = promptKeyword(L"Enter a pattern name or [?/Solid/User defined] <ANSI31>: ",
                               L"Solid User", true);
        if (a.cancelled())
            return std::nullopt;
        std::wstring name = a.isValue() ? a.value : L"ANSI31";
        if (name == L"User")
            return askUserPattern();
        if (name == L"?") {
            listPatterns();
            continue;
        }
        auto p = predefinedPattern(wideToUtf8(name == L"Solid" ? L"SOLID" : name));
        if (p && p->solid)
            return p;
        if (p)
            return askScaleAndAngle(*p);
        input::say(L"Pattern \"" + name + L"\" not found.\n");
    }
}

// A boundary typed point by point (direct hatch): straight edges, Close or Enter ends a loop.
std::optional<Boundary> askDirectBoundary() {
    Boundary b;
    for (;;) {
        auto start = promptPoint(b.loops.empty() ? L"Specify start point: "
                                                 : L"Specify start point for new boundary or "
                                                   L"<apply hatch>: ");
        if (start.cancelled())
            return std::nullopt;
        if (!start.isValue())
            return b;
        Loop loop{{start.value, 0}};
        for (;;) {
            bool canClose = loop.size() >= 3;
            auto next = promptPoint(canClose ? L"Specify next point or [Close/Undo]: "
                                             : L"Specify next point or [Undo]: ",
                                    canClose ? L"Close Undo" : L"Undo", loop.back().point);
            if (next.cancelled())
                return std::nullopt;
            if (next.isKeyword(L"Undo")) {
                if (loop.size() > 1)
                    loop.pop_back();
                continue;
            }
            if (next.isValue()) {
                loop.push_back({next.value, 0});
                continue;
            }
            break;
        }
        if (loop.size() >= 3)
            b.loops.push_back(std::move(loop));
    }
}

struct Chosen {
    Boundary boundary;
    bool retain = false; // a direct boundary stays as polylines
};

std::optional<Chosen> askBoundary() {
    input::say(L"Select objects to define hatch boundary or <direct hatch>,\n");
    auto chosen = selectEntities();
    if (!chosen)
        return std::nullopt;
    if (!chosen->empty())
        return Chosen{boundaryOf(*host::Session::get().current().db, *chosen), false};
    auto retain = promptKeyword(L"Retain polyline boundary? [Yes/No] <N>: ", L"Yes No");
    if (retain.cancelled())
        return std::nullopt;
    auto direct = askDirectBoundary();
    if (!direct)
        return std::nullopt;
    return Chosen{std::move(*direct), retain.isValue() && retain.value == L"Yes"};
}

void addPolyline(db::Database& db, const Loop& loop) {
    db::GroupList g;
    g.addText(0, "LWPOLYLINE");
    g.addText(8, currentLayerName(host::Session::get()));
    g.addInt(90, static_cast<int64_t>(loop.size()));
    g.addInt(70, 1);
    for (const LoopVertex& v : loop)
        addPoint2(g, 10, v.point);
    addToModelSpace(db, std::move(g));
}

void addPath(db::GroupList& g, const Loop& loop, bool outer) {
    bool bulges = false;
    for (const LoopVertex& v : loop)
        bulges = bulges || v.bulge != 0;
    g.addInt(92, outer ? 1 | 2 | 16 : 1 | 2);
    g.addInt(72, bulges ? 1 : 0);
    g.addInt(73, 1);
    g.addInt(93, static_cast<int64_t>(loop.size()));
    for (const LoopVertex& v : loop) {
        addPoint2(g, 10, v.point);
        if (bulges)
            g.addReal(42, v.bulge);
    }
    g.addInt(97, 0);
}

db::GroupList hatchGroups(const HatchPattern& pattern, const Boundary& b) {
    db::GroupList g;
    g.addText(0, "HATCH");
    g.addText(8, currentLayerName(host::Session::get()));
    double z = b.loops.front().front().point.z;
    g.addReal(10, 0);
    g.addReal(20, 0);
    g.addReal(30, z);
    g.addReal(210, 0);
    g.addReal(220, 0);
    g.addReal(230, 1);
    g.addText(2, pattern.name);
    g.addInt(70, pattern.solid ? 1 : 0);
    g.addInt(71, 0);
    g.addInt(91, static_cast<int64_t>(b.loops.size()));
    std::vector<bool> outer = outermost(b.loops);
    for (size_t i = 0; i < b.loops.size(); ++i)
        addPath(g, b.loops[i], outer[i]);
    addPatternGroups(g, pattern);
    size_t seeds = static_cast<size_t>(std::count(outer.begin(), outer.end(), true));
    g.addInt(98, static_cast<int64_t>(seeds));
    for (size_t i = 0; i < b.loops.size(); ++i)
        if (outer[i])
            addPoint2(g, 10, insidePoint(b.loops[i]));
    return g;
}

// More lines across the boundary than the preview draws, or more segments,
// means a spacing far too small for the area.
bool tooDense(const db::GroupList& g) {
    geom::HatchShape shape = geom::readHatch(g);
    if (shape.solid)
        return false;
    for (const geom::PatternLine& line : shape.lines) {
        geom::Vec3 dir{std::cos(line.angle), std::sin(line.angle), 0};
        double spacing = std::fabs(dir.x * line.offset.y - dir.y * line.offset.x);
        double lo = 1e300, hi = -1e300;
        for (const auto& ring : shape.rings)
            for (const geom::Vec3& p : ring) {
                double across = -dir.y * p.x + dir.x * p.y;
                lo = std::min(lo, across);
                hi = std::max(hi, across);
            }
        if (spacing <= 0 || (hi - lo) / spacing > static_cast<double>(geom::kMaxPatternLines))
            return true;
    }
    return geom::patternSegments(shape.rings, shape.lines).size() >= geom::kMaxPatternSegments;
}

void hatch() {
    auto pattern = askPattern();
    if (!pattern)
        return;
    auto chosen = askBoundary();
    if (!chosen)
        return;
    const Boundary* boundary = &chosen->boundary;
    if (boundary->ignored > 0)
        input::say(fmt::format(L"{} object(s) do not form a closed boundary and were ignored.\n",
                               boundary->ignored));
    if (boundary->loops.empty()) {
        input::say(L"Valid hatch boundary not found.\n");
        return;
    }
    db::GroupList g = hatchGroups(*pattern, *boundary);
    if (tooDense(g)) {
        input::say(L"Hatch spacing too dense, or dash size too small.\n");
        return;
    }
    db::Database& db = *host::Session::get().current().db;
    if (chosen->retain)
        for (const Loop& loop : boundary->loops)
            addPolyline(db, loop);
    addToModelSpace(db, std::move(g));
}

} // namespace

void addHatchCommands(input::CommandRegistry& registry) {
    registry.add(L"HATCH", hatch);
    registry.add(L"-HATCH", hatch);
}

} // namespace vma::cmd
