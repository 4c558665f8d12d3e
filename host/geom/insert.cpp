// Block references: inserts (with their column and row arrays and attributes)
// and the anonymous blocks that dimensions draw.
#include "host/geom/groups.h"
#include "host/geom/scene.h"

#include <algorithm>

namespace vma::geom {
namespace {

// An array insert larger than this draws only its first copies.
constexpr long kMaxCopies = 10000;

Placement inside(const Draw& d, const Matrix& toWorld) {
    Placement child;
    child.toWorld = toWorld;
    child.byBlockColor = d.color;
    child.parentLayer = d.layer;
    child.depth = d.place->depth + 1;
    return child;
}

void drawCopies(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    auto index = s.db().findBlock(textOr(g, 2, ""));
    if (!index)
        return;
    const db::Block& block = s.db().block(*index);
    Vec3 base = pointOr(block.header, 10);
    Matrix placed = d.place->toWorld * Matrix::ocs(extrusion(g)) *
                    Matrix::translation(pointOr(g, 10)) *
                    Matrix::rotationZ(radians(realOr(g, 50, 0)));
    Matrix scaled = Matrix::scaling(realOr(g, 41, 1), realOr(g, 42, 1), realOr(g, 43, 1)) *
                    Matrix::translation(base * -1);
    long columns = std::max(1, intOr(g, 70, 1)), rows = std::max(1, intOr(g, 71, 1));
    double columnSpacing = realOr(g, 44, 0), rowSpacing = realOr(g, 45, 0);
    long copies = 0;
    for (long r = 0; r < rows; ++r) {
        for (long c = 0; c < columns && copies < kMaxCopies; ++c, ++copies) {
            Vec3 offset{static_cast<double>(c) * columnSpacing, static_cast<double>(r) * rowSpacing,
                        0};
            s.block(*index, inside(d, placed * Matrix::translation(offset) * scaled));
        }
    }
}

// Attributes are stored where they appear: they are drawn at the insert's
// own place, on top of the block's content.
void drawAttributes(Scene& s, const Draw& d) {
    Placement attributes = *d.place;
    attributes.byBlockColor = d.color;
    for (db::EntityId sub : s.subEntities(d.id))
        if (s.db().entity(sub).type() == "ATTRIB")
            s.entity(sub, attributes);
}

} // namespace

void drawInsert(Scene& s, const Draw& d) {
    drawCopies(s, d);
    drawAttributes(s, d);
}

void drawDimension(Scene& s, const Draw& d) {
    // The dimension's block holds its lines, arrows and text in world
    // coordinates: it is drawn where it stands.
    auto index = s.db().findBlock(textOr(d.groups(), 2, ""));
    if (!index)
        return;
    s.block(*index, inside(d, d.place->toWorld));
}

} // namespace vma::geom
