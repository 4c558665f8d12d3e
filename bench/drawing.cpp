#include "drawing.h"

#include <string>

namespace vma::bench {
namespace {

constexpr int kLayers = 12;

std::string layerName(size_t i) {
    return "LAAG-" + std::to_string(i % kLayers);
}

void addPoint(db::GroupList& g, int code, double x, double y, double z = 0) {
    g.addReal(code, x);
    g.addReal(code + 10, y);
    g.addReal(code + 20, z);
}

db::Entity entity(std::string_view type, const std::string& layer) {
    db::Entity e;
    e.groups.reserve(12, 16);
    e.groups.addText(0, type);
    e.groups.addText(8, layer);
    return e;
}

void addTables(db::Database& db) {
    for (int i = 0; i < kLayers; ++i) {
        db::TableRecord layer;
        layer.groups.addText(2, layerName(static_cast<size_t>(i)));
        layer.groups.addInt(70, 0);
        layer.groups.addInt(62, 1 + i % 7);
        layer.groups.addText(6, "Continuous");
        db.addRecord(db::TableKind::Layer, layer);
    }
    db::TableRecord app;
    app.groups.addText(2, "VMA_BENCH");
    app.groups.addInt(70, 0);
    db.addRecord(db::TableKind::AppId, app);
}

void addPileBlock(db::Database& db) {
    db::Block block;
    block.name = "PAAL";
    block.header.addText(8, "0");
    block.header.addText(2, "PAAL");
    block.header.addInt(70, 2);
    addPoint(block.header, 10, 0, 0);
    block.header.addText(3, "PAAL");
    uint32_t b = db.addBlock(block);
    db::Entity circle = entity("CIRCLE", "0");
    addPoint(circle.groups, 10, 0, 0);
    circle.groups.addReal(40, 160);
    circle.block = b;
    db.addEntity(circle);
    for (auto [tag, y] : {std::pair{"NR", 200.0}, {"PEIL", -200.0}}) {
        db::Entity attdef = entity("ATTDEF", "0");
        addPoint(attdef.groups, 10, 200, y);
        attdef.groups.addReal(40, 150);
        attdef.groups.addText(1, "");
        attdef.groups.addText(3, tag);
        attdef.groups.addText(2, tag);
        attdef.groups.addInt(70, 0);
        attdef.block = b;
        db.addEntity(attdef);
    }
}

void addLine(db::Database& db, size_t i, double x, double y) {
    db::Entity e = entity("LINE", layerName(i));
    addPoint(e.groups, 10, x, y);
    addPoint(e.groups, 11, x + 1234.5, y + 0.25 * static_cast<double>(i % 977));
    db.addEntity(std::move(e));
}

void addPolyline(db::Database& db, size_t i, double x, double y) {
    db::Entity e = entity("LWPOLYLINE", layerName(i));
    e.groups.reserve(32, 24);
    e.groups.addInt(90, 5);
    e.groups.addInt(70, i % 2);
    for (int v = 0; v < 5; ++v) {
        e.groups.addReal(10, x + 400.0 * v);
        e.groups.addReal(20, y + (v % 2 ? 250.0 : 0.0));
        e.groups.addReal(40, 20.0);
        e.groups.addReal(41, 30.0);
        e.groups.addReal(42, v == 2 ? 0.41421356 : 0.0);
    }
    db.addEntity(std::move(e));
}

void addAttrib(db::Database& db, db::EntityId insert, const std::string& layer, const char* tag,
               const std::string& value, double x, double y) {
    db::Entity a = entity("ATTRIB", layer);
    addPoint(a.groups, 10, x, y);
    a.groups.addReal(40, 150);
    a.groups.addText(1, value);
    a.groups.addText(2, tag);
    a.groups.addInt(70, 0);
    a.parent = insert;
    db.addEntity(std::move(a));
}

void addPile(db::Database& db, size_t i, double x, double y) {
    std::string layer = layerName(i);
    db::Entity e = entity("INSERT", layer);
    e.groups.reserve(16, 48);
    e.groups.addInt(66, 1);
    e.groups.addText(2, "PAAL");
    addPoint(e.groups, 10, x, y);
    e.groups.addText(1001, "VMA_BENCH");
    e.groups.addText(1000, "PREFAB 290x290");
    e.groups.addInt(1070, static_cast<int64_t>(i % 30000));
    e.groups.addReal(1040, -14.5 - 0.25 * static_cast<double>(i % 8));
    db::EntityId id = db.addEntity(std::move(e));
    addAttrib(db, id, layer, "NR", std::to_string(i), x + 200, y + 200);
    addAttrib(db, id, layer, "PEIL", "NAP -15.000", x + 200, y - 200);
    db::Entity seqend = entity("SEQEND", layer);
    seqend.parent = id;
    db.addEntity(std::move(seqend));
}

} // namespace

std::unique_ptr<db::Database> makeDrawing(size_t count) {
    auto db = db::Database::createNew();
    db->reserveEntities(count + count * 45 / 100 + 8);
    addTables(*db);
    addPileBlock(*db);
    for (size_t i = 0; i < count; ++i) {
        double x = 1000.0 * static_cast<double>(i % 1000);
        double y = 1000.0 * static_cast<double>(i / 1000);
        size_t kind = i % 20;
        if (kind < 12)
            addLine(*db, i, x, y);
        else if (kind < 17)
            addPolyline(*db, i, x, y);
        else
            addPile(*db, i, x, y);
    }
    return db;
}

} // namespace vma::bench
