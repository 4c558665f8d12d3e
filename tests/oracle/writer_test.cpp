// Drawings written by us, opened by ezdxf: its audit finds no error, and it
// sees the same layers, blocks, entities, handles, points, attributes and
// extended data as our database holds. Both the sample through vmacon and a
// drawing built entity by entity, as the module builds them.
#include "host/dxf/dxf.h"
#include "oracle/oracle.h"
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

using db::Entity;
using db::EntityId;

void expectSameAsEzdxf(const nlohmann::json& ours, const nlohmann::json& theirs) {
    for (const char* part : {"layers", "blocks", "entities"})
        for (const auto& d : differences(ours[part], theirs[part]))
            ADD_FAILURE() << part << d;
}

nlohmann::json auditClean(const std::string& path) {
    EzdxfResult seen = runEzdxf({"audit", path});
    EXPECT_TRUE(seen.failure.empty()) << seen.failure;
    EXPECT_EQ(seen.json["audit"]["errors"], 0) << seen.json["audit"].dump(1);
    return seen.json;
}

TEST(WrittenByUs, SampleThroughVmacon) {
    TempDir dir;
    std::string sample = (sourceDir() / "samples/fundering.dxf").string();
    std::string out = (dir / "out.dxf").string();
    ProcessResult run = runProcess(VMA_BINARY_DIR "/bin/vmacon", {"-q", "-i", sample, "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;

    auto read = dxf::readFile(sample);
    ASSERT_TRUE(read.ok()) << read.error().message;
    nlohmann::json written = auditClean(out);
    expectSameAsEzdxf(describe(*read->db), written);
    // And ezdxf itself sees the sample and our copy of it alike.
    expectSameAsEzdxf(auditClean(sample), written);
}

Entity entity(std::initializer_list<std::pair<int, std::string_view>> texts) {
    Entity e;
    for (auto [code, text] : texts)
        e.groups.addText(code, text);
    return e;
}

void addPoint(db::GroupList& g, int code, double x, double y, double z = 0) {
    g.addReal(code, x);
    g.addReal(code + 10, y);
    g.addReal(code + 20, z);
}

void addPile(db::Database& db, int number, double x, double y) {
    Entity insert = entity({{0, "INSERT"}, {8, "PALEN"}});
    insert.groups.addInt(66, 1);
    insert.groups.addText(2, "PAAL");
    addPoint(insert.groups, 10, x, y);
    insert.groups.addText(1001, "VMA_PAAL");
    insert.groups.addText(1000, "prefab");
    insert.groups.addInt(1070, number);
    insert.groups.addReal(1040, -12.5 * number);
    addPoint(insert.groups, 1010, x, y);
    EntityId id = db.addEntity(insert);

    Entity attrib = entity({{0, "ATTRIB"}, {8, "0"}});
    addPoint(attrib.groups, 10, x + 200, y + 200);
    attrib.groups.addReal(40, 150);
    attrib.groups.addText(1, std::to_string(number));
    attrib.groups.addText(2, "NR");
    attrib.groups.addInt(70, 0);
    attrib.parent = id;
    db.addEntity(attrib);
    Entity seqend = entity({{0, "SEQEND"}, {8, "PALEN"}});
    seqend.parent = id;
    db.addEntity(seqend);
}

std::unique_ptr<db::Database> builtDrawing() {
    auto db = db::Database::createNew();
    for (auto [name, colour] : {std::pair{"PALEN", 3}, {"BALKEN", 5}}) {
        db::TableRecord layer;
        layer.groups.addText(2, name);
        layer.groups.addInt(70, 0);
        layer.groups.addInt(62, colour);
        layer.groups.addText(6, "Continuous");
        db->addRecord(db::TableKind::Layer, layer);
    }
    db::TableRecord app;
    app.groups.addText(2, "VMA_PAAL");
    app.groups.addInt(70, 0);
    db->addRecord(db::TableKind::AppId, app);

    db::Block pile;
    pile.name = "PAAL";
    pile.header.addText(8, "0");
    pile.header.addText(2, "PAAL");
    pile.header.addInt(70, 2);
    addPoint(pile.header, 10, 0, 0);
    pile.header.addText(3, "PAAL");
    uint32_t b = db->addBlock(pile);
    Entity circle = entity({{0, "CIRCLE"}, {8, "0"}});
    addPoint(circle.groups, 10, 0, 0);
    circle.groups.addReal(40, 160);
    circle.block = b;
    db->addEntity(circle);
    Entity attdef = entity({{0, "ATTDEF"}, {8, "0"}});
    addPoint(attdef.groups, 10, 200, 200);
    attdef.groups.addReal(40, 150);
    attdef.groups.addText(1, "0");
    attdef.groups.addText(3, "Paalnummer");
    attdef.groups.addText(2, "NR");
    attdef.groups.addInt(70, 0);
    attdef.block = b;
    db->addEntity(attdef);

    for (int n = 1; n <= 3; ++n)
        addPile(*db, n, 3000.0 * n, 0);

    Entity beam = entity({{0, "LWPOLYLINE"}, {8, "BALKEN"}});
    beam.groups.addInt(90, 3);
    beam.groups.addInt(70, 1);
    for (auto [x, y, bulge] :
         {std::tuple{0.0, 0.0, 0.5}, {6000.0, 0.0, 0.0}, {6000.0, 400.0, -1.0}}) {
        beam.groups.addReal(10, x);
        beam.groups.addReal(20, y);
        beam.groups.addReal(40, 50);
        beam.groups.addReal(41, 80);
        beam.groups.addReal(42, bulge);
    }
    db->addEntity(beam);

    Entity line = entity({{0, "LINE"}, {8, "BALKEN"}});
    addPoint(line.groups, 10, -1.25, 2.5, 0);
    addPoint(line.groups, 11, 1e6 + 0.125, -3.75e-3, 0);
    db->addEntity(line);
    Entity text = entity({{0, "TEXT"}, {8, "0"}});
    addPoint(text.groups, 10, 10, 20);
    text.groups.addReal(40, 250);
    text.groups.addText(1, "paal Ø290 – 15 m");
    db->addEntity(text);
    return db;
}

TEST(WrittenByUs, DrawingBuiltEntityByEntity) {
    TempDir dir;
    auto db = builtDrawing();
    std::string path = (dir / "built.dxf").string();
    auto written = dxf::writeFile(*db, path);
    ASSERT_TRUE(written.ok()) << written.error().message;
    nlohmann::json ours = describe(*db);
    ASSERT_EQ(ours["entities"].size(), 6u);
    expectSameAsEzdxf(ours, auditClean(path));
}

} // namespace
} // namespace vma::test
