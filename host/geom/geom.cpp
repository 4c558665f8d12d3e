#include "host/geom/geom.h"

#include "host/geom/matrix.h"
#include "host/geom/scene.h"

#include <algorithm>
#include <cmath>

namespace vma::geom {

void Box::add(const Vec3& p) {
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

void Box::add(const Box& b) {
    if (b.empty())
        return;
    add(b.min);
    add(b.max);
}

void explode(const db::Database& db, db::EntityId id, std::vector<Primitive>& out,
             const Options& options) {
    if (id >= db.entityCount())
        return;
    Scene scene(db, options, out);
    scene.entity(id, Placement{});
}

std::vector<Primitive> explodeBlock(const db::Database& db, uint32_t block,
                                    const Options& options) {
    std::vector<Primitive> out;
    if (block >= db.blocks().size())
        return out;
    Scene scene(db, options, out);
    scene.block(block, Placement{});
    return out;
}

double textWidth(const Primitive& text) {
    auto isLead = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    auto characters = std::count_if(text.text.begin(), text.text.end(), isLead);
    return static_cast<double>(characters) * kCharWidth * text.height * text.widthFactor;
}

Vec3 textOrigin(const Primitive& text) {
    double w = textWidth(text), h = text.height;
    double dx = text.halign == 1 ? -w / 2 : text.halign == 2 ? -w : 0;
    constexpr double kBaselineOffset[4] = {0, 1.0 / 3.0, -0.5, -1};
    double dy = kBaselineOffset[std::clamp(text.valign, 0, 3)] * h;
    double c = std::cos(text.rotation), s = std::sin(text.rotation);
    const Vec3& at = text.points.empty() ? Vec3{} : text.points[0];
    return {at.x + dx * c - dy * s, at.y + dx * s + dy * c, at.z};
}

std::array<Vec3, 4> textBox(const Primitive& text) {
    Vec3 o = textOrigin(text);
    double w = textWidth(text), h = text.height;
    double c = std::cos(text.rotation), s = std::sin(text.rotation);
    auto corner = [&](double x, double y) {
        return Vec3{o.x + x * c - y * s, o.y + x * s + y * c, o.z};
    };
    return {corner(0, 0), corner(w, 0), corner(w, h), corner(0, h)};
}

Box extents(const std::vector<Primitive>& primitives) {
    Box box;
    for (const Primitive& p : primitives) {
        if (p.kind == Primitive::Kind::Text) {
            for (const Vec3& v : textBox(p))
                box.add(v);
            continue;
        }
        double half = p.width / 2;
        for (const Vec3& v : p.points) {
            box.add(Vec3{v.x - half, v.y - half, v.z});
            box.add(Vec3{v.x + half, v.y + half, v.z});
        }
    }
    return box;
}

Box extents(const db::Database& db, db::EntityId id) {
    std::vector<Primitive> primitives;
    explode(db, id, primitives);
    return extents(primitives);
}

} // namespace vma::geom
