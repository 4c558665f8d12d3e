#include "host/input/pick.h"

#include "host/db/ename.h"
#include "host/db/session.h"
#include "host/geom/geom.h"
#include "host/input/osnap.h"
#include "host/sysvar/access.h"

#include <algorithm>
#include <cmath>

namespace vma::input {
namespace {

using geom::Vec3;

double segmentDistance(const Vec3& a, const Vec3& b, const Point& p) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t =
        len2 < 1e-24 ? 0 : std::clamp(((p[0] - a.x) * dx + (p[1] - a.y) * dy) / len2, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p[0], a.y + t * dy - p[1]);
}

bool inside(const std::vector<Vec3>& ring, const Point& p) {
    bool in = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const Vec3 &a = ring[i], &b = ring[j];
        if ((a.y > p[1]) != (b.y > p[1]) && p[0] < (b.x - a.x) * (p[1] - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

double outline(const std::vector<Vec3>& points, bool closed, const Point& p) {
    if (points.size() == 1)
        return std::hypot(points[0].x - p[0], points[0].y - p[1]);
    double best = 1e300;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        best = std::min(best, segmentDistance(points[i], points[i + 1], p));
    if (closed && points.size() > 2)
        best = std::min(best, segmentDistance(points.back(), points.front(), p));
    return best;
}

double distance(const geom::Primitive& prim, const Point& p) {
    using Kind = geom::Primitive::Kind;
    if (prim.kind == Kind::Text) {
        auto box = geom::textBox(prim);
        std::vector<Vec3> ring(box.begin(), box.end());
        return inside(ring, p) ? 0 : outline(ring, true, p);
    }
    if (prim.points.empty())
        return 1e300;
    if (prim.kind == Kind::Fill && prim.points.size() > 2 && inside(prim.points, p))
        return 0;
    double d = outline(prim.points, prim.closed || prim.kind == Kind::Fill, p);
    return std::max(0.0, d - prim.width / 2);
}

} // namespace

double pickRadius() {
    auto v = host::getSysvar(host::Session::get(), "PICKBOX");
    return std::max(1.0, v.ok() ? static_cast<double>(v->integer) : 3) * pixelSize();
}

std::optional<db::EntityId> givenEntity(const InputEvent::Name& name) {
    ads_name n = {name[0], name[1]};
    auto ref = host::resolveEntity(n);
    auto& session = host::Session::get();
    if (!ref || !session.hasDocument() || ref->doc != &session.current())
        return std::nullopt;
    const db::Entity& entity = ref->doc->db->entity(ref->index);
    if (entity.erased || entity.parent != db::kNoEntity)
        return std::nullopt;
    return ref->index;
}

std::optional<db::EntityId> entityAt(const db::Database& db, const Point& world, double radius) {
    if (db.blocks().empty())
        return std::nullopt;
    std::optional<db::EntityId> best;
    double bestDistance = radius;
    std::vector<geom::Primitive> prims;
    for (db::EntityId id : db.block(db.modelSpace()).entities) {
        const auto& e = db.entity(id);
        if (e.erased || e.parent != db::kNoEntity)
            continue;
        prims.clear();
        geom::explode(db, id, prims);
        for (const auto& prim : prims) {
            double d = distance(prim, world);
            if (d <= bestDistance) {
                best = id;
                bestDistance = d;
            }
        }
    }
    return best;
}

} // namespace vma::input
