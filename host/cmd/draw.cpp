// LINE: one LINE entity per segment, made as soon as it is given, so Undo
// erases the last one and a cancel keeps what was drawn.
#include "host/cmd/builtins.h"
#include "host/cmd/make.h"
#include "host/cmd/pline.h"
#include "host/cmd/prompts.h"
#include "host/input/prompt.h"

#include <vector>

namespace vma::cmd {
namespace {

void addPoint(db::GroupList& g, int code, const Point& world) {
    g.addReal(code, world[0]);
    g.addReal(code + 10, world[1]);
    g.addReal(code + 20, world[2]);
}

std::optional<db::EntityId> addLine(const Point& fromUcs, const Point& toUcs) {
    db::GroupList g;
    g.reserve(7, 8);
    g.addText(0, "LINE");
    addPoint(g, 10, toWorld(fromUcs));
    addPoint(g, 11, toWorld(toUcs));
    return addToDrawing(std::move(g));
}

void line() {
    std::vector<Point> points;
    std::vector<db::EntityId> segments;
    for (;;) {
        if (points.empty()) {
            Answer first = askPoint(L"Specify first point: ");
            if (!first.ok())
                return;
            points.push_back(first.point);
            continue;
        }
        bool closable = segments.size() >= 2;
        Answer next = askPoint(closable ? L"Specify next point or [Close/Undo]: "
                                        : L"Specify next point or [Undo]: ",
                               closable ? L"Close Undo" : L"Undo", points.back());
        if (next.is(L"Undo")) {
            if (segments.empty()) {
                input::say(L"All segments already undone.\n");
            } else {
                drawing().setErased(segments.back(), true);
                segments.pop_back();
            }
            points.pop_back();
            continue;
        }
        if (next.is(L"Close")) {
            addLine(points.back(), points.front());
            return;
        }
        if (!next.ok())
            return;
        if (auto id = addLine(points.back(), next.point))
            segments.push_back(*id);
        points.push_back(next.point);
    }
}

} // namespace

void addDrawCommands(input::CommandRegistry& registry) {
    registry.add(L"LINE", line);
    registry.add(L"PLINE", pline);
}

} // namespace vma::cmd
