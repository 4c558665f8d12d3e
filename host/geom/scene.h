// The walk over a drawing that turns entities into primitives: where each
// entity is placed (the insert chain above it), which colour BYBLOCK and
// BYLAYER mean there, and which layers hide it.
#pragma once

#include "host/geom/geom.h"
#include "host/geom/matrix.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vma::geom {

// Where an entity is drawn: inside which inserts, if any.
struct Placement {
    Matrix toWorld;               // block coordinates to world coordinates
    int byBlockColor = 7;         // the colour BYBLOCK takes here
    std::string_view parentLayer; // the insert's layer, taken by layer 0 inside a block
    int depth = 0;                // inserts above this one
};

// What one entity's drawing function gets: its id, resolved colour and place.
struct Draw {
    db::EntityId id = db::kNoEntity;
    const db::Entity* entity = nullptr;
    const Placement* place = nullptr;
    int color = 7;
    std::string_view layer; // the layer that counts for visibility and BYLAYER

    const db::GroupList& groups() const { return entity->groups; }
};

class Scene {
public:
    Scene(const db::Database& db, const Options& options, std::vector<Primitive>& out)
        : db_(db), options_(options), out_(out) {}

    const db::Database& db() const { return db_; }
    const Options& options() const { return options_; }

    // Draws one entity at a place; skips what the options hide.
    void entity(db::EntityId id, const Placement& place);
    // Draws every main entity of a block (sub-entities come through their
    // owner). A block inside itself is not drawn again, and block content
    // stops after options().maxBlockEntities: nesting can multiply without end.
    void block(uint32_t index, const Placement& place);
    // VERTEX and ATTRIB entities that belong to a main entity, in order.
    std::vector<db::EntityId> subEntities(db::EntityId id) const;

    // Emitters: points in the entity's own coordinates, taken through m.
    void polyline(const Draw& d, const Matrix& m, const std::vector<Vec3>& points, bool closed,
                  double width = 0);
    void fill(const Draw& d, const Matrix& m, const std::vector<Vec3>& points);
    void point(const Draw& d, const Matrix& m, const Vec3& p);
    void add(Primitive p) { out_.push_back(std::move(p)); }

    bool layerHidden(std::string_view layer) const;
    bool layerFrozen(std::string_view layer) const;
    int layerColor(std::string_view layer) const;
    // The colour of an entity: 62 (or 420 approximated), BYLAYER and BYBLOCK resolved.
    int resolveColor(const db::GroupList& groups, std::string_view layer,
                     const Placement& place) const;

private:
    struct LayerInfo {
        int color = 7;
        bool off = false;
        bool frozen = false;
    };
    const LayerInfo& layer(std::string_view name) const;

    const db::Database& db_;
    const Options& options_;
    std::vector<Primitive>& out_;
    mutable std::unordered_map<std::string, LayerInfo> layers_;
    std::vector<uint32_t> open_; // blocks being drawn, outermost first
    size_t blockEntities_ = 0;   // entities drawn as block content so far
};

// The effective layer of an entity at a place: layer 0 inside a block takes the insert's.
std::string_view effectiveLayer(const db::GroupList& groups, const Placement& place);

// Per-type drawing functions (one file per family).
void drawLine(Scene& s, const Draw& d);
void drawPoint(Scene& s, const Draw& d);
void drawCircle(Scene& s, const Draw& d);
void drawArc(Scene& s, const Draw& d);
void drawEllipse(Scene& s, const Draw& d);
void drawSolid(Scene& s, const Draw& d);
void drawFace(Scene& s, const Draw& d);
void drawSpline(Scene& s, const Draw& d);
void drawLwPolyline(Scene& s, const Draw& d);
void drawPolyline(Scene& s, const Draw& d);
void drawText(Scene& s, const Draw& d);
void drawAttribute(Scene& s, const Draw& d);
void drawAttributeDefinition(Scene& s, const Draw& d);
void drawMText(Scene& s, const Draw& d);
void drawInsert(Scene& s, const Draw& d);
void drawDimension(Scene& s, const Draw& d);
void drawHatch(Scene& s, const Draw& d);

} // namespace vma::geom
