#include "host/geom/scene.h"

#include "host/base/text.h"
#include "host/geom/aci.h"
#include "host/geom/groups.h"

#include <algorithm>
#include <cstdlib>

namespace vma::geom {
namespace {

using DrawFn = void (*)(Scene&, const Draw&);

struct TypeEntry {
    std::string_view type;
    DrawFn fn;
};

constexpr TypeEntry kTypes[] = {
    {"LINE", drawLine},           {"POINT", drawPoint},
    {"CIRCLE", drawCircle},       {"ARC", drawArc},
    {"ELLIPSE", drawEllipse},     {"SOLID", drawSolid},
    {"TRACE", drawSolid},         {"3DFACE", drawFace},
    {"SPLINE", drawSpline},       {"LWPOLYLINE", drawLwPolyline},
    {"POLYLINE", drawPolyline},   {"TEXT", drawText},
    {"ATTRIB", drawAttribute},    {"ATTDEF", drawAttributeDefinition},
    {"MTEXT", drawMText},         {"INSERT", drawInsert},
    {"DIMENSION", drawDimension}, {"HATCH", drawHatch},
};

DrawFn drawFunction(std::string_view type) {
    for (const TypeEntry& t : kTypes)
        if (t.type == type)
            return t.fn;
    return nullptr;
}

// Old-style polylines always own vertices; inserts own attributes when 66 says so.
bool hasFollowers(const db::Entity& e) {
    return e.type() == "POLYLINE" || (e.type() == "INSERT" && intOr(e.groups, 66, 0) != 0);
}

} // namespace

std::string_view effectiveLayer(const db::GroupList& groups, const Placement& place) {
    std::string_view layer = groups.findText(8).value_or("0");
    if (layer == "0" && !place.parentLayer.empty())
        return place.parentLayer;
    return layer;
}

const Scene::LayerInfo& Scene::layer(std::string_view name) const {
    std::string key(name);
    auto it = layers_.find(key);
    if (it != layers_.end())
        return it->second;
    LayerInfo info;
    if (auto index = db_.findRecord(db::TableKind::Layer, name)) {
        const db::GroupList& g = db_.record(db::TableKind::Layer, *index).groups;
        int color = intOr(g, 62, 7);
        info.off = color < 0;
        info.color = std::abs(color);
        if (info.color < 1 || info.color > 255)
            info.color = 7;
        info.frozen = (intOr(g, 70, 0) & 1) != 0;
    }
    return layers_.emplace(std::move(key), info).first->second;
}

bool Scene::layerHidden(std::string_view name) const {
    const LayerInfo& info = layer(name);
    return info.off || info.frozen;
}

bool Scene::layerFrozen(std::string_view name) const {
    return layer(name).frozen;
}

int Scene::layerColor(std::string_view name) const {
    return layer(name).color;
}

int Scene::resolveColor(const db::GroupList& groups, std::string_view layerName,
                        const Placement& place) const {
    if (auto trueColor = groups.findInt(420))
        return nearestAci(static_cast<uint32_t>(*trueColor) & 0xFFFFFF);
    int color = intOr(groups, 62, 256);
    if (color == 0)
        return place.byBlockColor;
    if (color >= 1 && color <= 255)
        return color;
    return layerColor(layerName);
}

void Scene::entity(db::EntityId id, const Placement& place) {
    const db::Entity& e = db_.entity(id);
    if (options_.skipHidden && e.erased)
        return;
    DrawFn fn = drawFunction(e.type());
    if (!fn)
        return;
    Draw d;
    d.id = id;
    d.entity = &e;
    d.place = &place;
    d.layer = effectiveLayer(e.groups, place);
    // An insert on an off layer still shows what lies on other layers inside
    // it; a frozen one hides its whole content.
    bool isInsert = e.type() == "INSERT";
    bool hidden = isInsert ? layerFrozen(d.layer) : layerHidden(d.layer);
    if (options_.skipHidden && hidden)
        return;
    d.color = resolveColor(e.groups, d.layer, place);
    fn(*this, d);
}

void Scene::block(uint32_t index, const Placement& place) {
    if (std::find(open_.begin(), open_.end(), index) != open_.end())
        return;
    open_.push_back(index);
    for (db::EntityId id : db_.block(index).entities) {
        if (db_.entity(id).parent != db::kNoEntity)
            continue;
        if (place.depth > 0 && ++blockEntities_ > options_.maxBlockEntities)
            break;
        entity(id, place);
    }
    open_.pop_back();
}

std::vector<db::EntityId> Scene::subEntities(db::EntityId id) const {
    std::vector<db::EntityId> result;
    // Sub-entities are normally made right after their owner.
    for (db::EntityId next = id + 1; next < db_.entityCount(); ++next) {
        if (db_.entity(next).parent != id)
            break;
        result.push_back(next);
    }
    if (!result.empty() || !hasFollowers(db_.entity(id)))
        return result;
    for (db::EntityId other : db_.block(db_.entity(id).block).entities)
        if (db_.entity(other).parent == id)
            result.push_back(other);
    return result;
}

void Scene::polyline(const Draw& d, const Matrix& m, const std::vector<Vec3>& points, bool closed,
                     double width) {
    if (points.empty())
        return;
    Primitive p;
    p.kind = Primitive::Kind::Polyline;
    p.color = d.color;
    p.closed = closed;
    p.width = width * m.planarScale();
    p.points.reserve(points.size());
    for (const Vec3& v : points)
        p.points.push_back(m.apply(v));
    out_.push_back(std::move(p));
}

void Scene::fill(const Draw& d, const Matrix& m, const std::vector<Vec3>& points) {
    if (points.size() < 3)
        return;
    Primitive p;
    p.kind = Primitive::Kind::Fill;
    p.color = d.color;
    p.closed = true;
    p.points.reserve(points.size());
    for (const Vec3& v : points)
        p.points.push_back(m.apply(v));
    out_.push_back(std::move(p));
}

void Scene::point(const Draw& d, const Matrix& m, const Vec3& at) {
    Primitive p;
    p.kind = Primitive::Kind::Point;
    p.color = d.color;
    p.points.push_back(m.apply(at));
    out_.push_back(std::move(p));
}

} // namespace vma::geom
