// EXTEND: boundary edges first (Enter takes every object), then the objects
// to extend, each picked near the end that is to move; Fence picks all that
// a line of points crosses, Edge lets boundaries count as if extended
// themselves, Undo takes back the last extension.
#include "host/cmd/builtins.h"
#include "host/cmd/drafting_input.h"
#include "host/cmd/extend_geometry.h"
#include "host/db/session.h"
#include "host/input/prompt.h"

#include <utility>

namespace vma::cmd {
namespace {

struct Bounds {
    std::vector<db::EntityId> ids;
    bool extendEdges = false;

    // Every edge but those of the object being extended.
    std::vector<Edge> except(const db::Database& db, db::EntityId id) const {
        std::vector<Edge> out;
        for (db::EntityId b : ids) {
            if (b == id || db.entity(b).erased)
                continue;
            auto edges = edgesOf(db, b, extendEdges);
            out.insert(out.end(), edges.begin(), edges.end());
        }
        return out;
    }
};

struct Done {
    db::EntityId id;
    db::GroupList before;
};

db::Database& database() {
    return *host::Session::get().current().db;
}

std::vector<db::EntityId> everything(const db::Database& db) {
    std::vector<db::EntityId> out;
    for (db::EntityId id : db.block(db.modelSpace()).entities)
        if (!db.entity(id).erased && db.entity(id).parent == db::kNoEntity)
            out.push_back(id);
    return out;
}

bool extendOne(const Bounds& bounds, db::EntityId id, const Vec3& pick, std::vector<Done>& done) {
    db::Database& db = database();
    std::string_view type = db.entity(id).type();
    if (type != "LINE" && type != "ARC" && type != "LWPOLYLINE") {
        input::say(L"Cannot EXTEND this object.\n");
        return false;
    }
    auto changed = extended(db, id, pick, bounds.except(db, id));
    if (!changed) {
        input::say(L"Object does not intersect an edge.\n");
        return false;
    }
    done.push_back({id, db.entity(id).groups});
    db.replaceEntity(id, std::move(*changed));
    return true;
}

void undoLast(std::vector<Done>& done) {
    if (done.empty()) {
        input::say(L"All operations have been undone.\n");
        return;
    }
    database().replaceEntity(done.back().id, done.back().before);
    done.pop_back();
}

void askEdgeMode(Bounds& bounds) {
    auto a = promptKeyword(L"Enter an implied edge extension mode [Extend/No extend] <No extend>: ",
                           L"Extend No");
    if (a.isValue())
        bounds.extendEdges = a.value == L"Extend";
}

// Extends every object the line through the points crosses, each at the
// end nearer to where it is crossed.
void extendCrossed(const Bounds& bounds, const std::vector<Vec3>& points, std::vector<Done>& done) {
    db::Database& db = database();
    for (db::EntityId id : everything(db)) {
        auto own = edgesOf(db, id, false);
        for (size_t i = 1; i < points.size(); ++i) {
            auto at = segmentMeets(points[i - 1], points[i], own);
            if (at && extendOne(bounds, id, *at, done))
                break;
        }
    }
}

void fence(const Bounds& bounds, std::vector<Done>& done) {
    std::vector<Vec3> points;
    auto first = promptPoint(L"Specify first fence point: ");
    if (!first.isValue())
        return;
    points.push_back(first.value);
    for (;;) {
        auto next = promptPoint(L"Specify next fence point or [Undo]: ", L"Undo", points.back());
        if (next.isKeyword(L"Undo")) {
            if (points.size() > 1)
                points.pop_back();
            continue;
        }
        if (!next.isValue())
            break;
        points.push_back(next.value);
    }
    extendCrossed(bounds, points, done);
}

// Crossing: the objects that cross the window's sides.
void crossingWindow(const Bounds& bounds, std::vector<Done>& done) {
    auto a = promptPoint(L"Specify first corner: ");
    if (!a.isValue())
        return;
    auto b = promptPoint(L"Specify opposite corner: ", {}, a.value);
    if (!b.isValue())
        return;
    Vec3 p = a.value, q = b.value;
    extendCrossed(bounds, {p, {q.x, p.y, p.z}, q, {p.x, q.y, p.z}, p}, done);
}

void extend() {
    input::say(L"Current settings: Projection=UCS, Edge=None\nSelect boundary edges ...\n");
    auto chosen = selectEntities(L"Select objects or <select all>: ");
    if (!chosen)
        return;
    Bounds bounds;
    bounds.ids = chosen->empty() ? everything(database()) : *chosen;
    std::vector<Done> done;
    for (;;) {
        auto pick = pickEntityAt(L"Select object to extend or shift-select to trim or\n"
                                 L"[Fence/Crossing/Project/Edge/Undo]: ",
                                 L"Fence Crossing Project Edge Undo");
        if (pick.cancelled() || pick.kind == Response<Picked>::Kind::Enter)
            return;
        if (pick.isValue()) {
            extendOne(bounds, pick.value.id, pick.value.point, done);
        } else if (pick.isKeyword(L"Undo")) {
            undoLast(done);
        } else if (pick.isKeyword(L"Edge")) {
            askEdgeMode(bounds);
        } else if (pick.isKeyword(L"Project")) {
            promptKeyword(L"Enter a projection option [None/Ucs/View] <Ucs>: ", L"None Ucs View");
        } else if (pick.isKeyword(L"Fence")) {
            fence(bounds, done);
        } else if (pick.isKeyword(L"Crossing")) {
            crossingWindow(bounds, done);
        }
    }
}

} // namespace

void addExtendCommands(input::CommandRegistry& registry) {
    registry.add(L"EXTEND", extend);
}

} // namespace vma::cmd
