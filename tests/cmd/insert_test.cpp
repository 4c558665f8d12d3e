// INSERT in its command-line form: a block of the drawing with scale,
// rotation and attributes; presets at the first prompt and a corner for the
// scales; an exploded insert; a block brought in from a drawing file on the
// support path (NAME.DWG served by NAME.dxf) and redefined from it.
#include "cmdtext_fixture.h"
#include "host/db/rblist.h"
#include "host/dxf/dxf.h"
#include "support/test_support.h"

namespace vma::test {
namespace {

class InsertCommand : public CmdTextTest {
protected:
    // ENDBLK answers RTKWORD: the block is complete.
    static void make(resbuf* list, int status = RTNORM) {
        host::RbList owner(list);
        ASSERT_EQ(acdbEntMake(owner.get()), status);
    }

    // Block TAG: a line (0,0)-(10,0), an attribute NR ("Number", default "1")
    // at (1,2) with height 2.5, and a constant attribute.
    void defineTag() {
        ads_point origin = {0, 0, 0}, end = {10, 0, 0}, at = {1, 2, 0};
        make(acutBuildList(RTDXF0, L"BLOCK", 2, L"TAG", 70, 2, 10, origin, 0));
        make(acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, origin, 11, end, 0));
        make(acutBuildList(RTDXF0, L"ATTDEF", 8, L"0", 10, at, 40, 2.5, 1, L"1", 3, L"Number", 2,
                           L"NR", 70, 0, 0));
        make(acutBuildList(RTDXF0, L"ATTDEF", 8, L"0", 10, at, 40, 2.5, 1, L"fixed", 3, L"", 2,
                           L"C", 70, 2, 0));
        make(acutBuildList(RTDXF0, L"ENDBLK", 0), RTKWORD);
    }

    // A drawing file with a layer PILE, a circle on it and an attribute, base point (5,5).
    void writePileDrawing(const std::filesystem::path& path, double radius) {
        auto src = db::Database::createNew();
        db::TableRecord pile;
        pile.groups.addText(2, "PILE");
        pile.groups.addInt(70, 0);
        pile.groups.addInt(62, 1);
        pile.groups.addText(6, "Continuous");
        src->addRecord(db::TableKind::Layer, std::move(pile));
        db::Entity circle;
        circle.groups.addText(0, "CIRCLE");
        circle.groups.addText(8, "PILE");
        for (auto [code, v] : {std::pair{10, 5.0}, {20, 5.0}, {30, 0.0}, {40, radius}})
            circle.groups.addReal(code, v);
        src->addEntity(std::move(circle));
        db::Entity attdef;
        attdef.groups.addText(0, "ATTDEF");
        attdef.groups.addText(8, "0");
        for (auto [code, v] : {std::pair{10, 5.0}, {20, 5.0}, {30, 0.0}, {40, 1.0}})
            attdef.groups.addReal(code, v);
        attdef.groups.addText(1, "P?");
        attdef.groups.addText(3, "Pile number");
        attdef.groups.addText(2, "PNR");
        attdef.groups.addInt(70, 0);
        src->addEntity(std::move(attdef));
        db::GroupList base;
        for (auto [code, v] : {std::pair{10, 5.0}, {20, 5.0}, {30, 0.0}})
            base.addReal(code, v);
        src->setHeaderValue("$INSBASE", std::move(base));
        ASSERT_TRUE(dxf::writeFile(*src, path).ok());
    }

    std::vector<const db::Entity*> subEntities(const db::Entity* main) {
        std::vector<const db::Entity*> out;
        for (db::EntityId id = 0; id < db().entityCount(); ++id)
            if (db().entity(id).parent != db::kNoEntity &&
                &db().entity(db().entity(id).parent) == main)
                out.push_back(&db().entity(id));
        return out;
    }
};

TEST_F(InsertCommand, BlockWithScaleRotationAndAttributes) {
    defineTag();
    run(L"-INSERT", {L"TAG", L"100,100", L"2", L"", L"90", L"A12"});
    auto inserts = entities("INSERT");
    ASSERT_EQ(inserts.size(), 1u);
    const db::GroupList& g = inserts[0]->groups;
    EXPECT_EQ(g.findText(2).value_or(""), "TAG");
    EXPECT_EQ(pointOf(g, 10), (std::array<double, 3>{100, 100, 0}));
    EXPECT_DOUBLE_EQ(g.findReal(41).value_or(0), 2);
    EXPECT_DOUBLE_EQ(g.findReal(42).value_or(0), 2);
    EXPECT_NEAR(g.findReal(50).value_or(0), 90, 1e-9);
    EXPECT_EQ(g.findInt(66).value_or(0), 1);
    auto subs = subEntities(inserts[0]);
    ASSERT_EQ(subs.size(), 2u); // the constant attribute gives none
    const db::GroupList& a = subs[0]->groups;
    EXPECT_EQ(a.text(0), "ATTRIB");
    EXPECT_EQ(a.findText(1).value_or(""), "A12");
    EXPECT_EQ(a.findText(2).value_or(""), "NR");
    EXPECT_NEAR(a.findReal(10).value_or(0), 96, 1e-9);
    EXPECT_NEAR(a.findReal(20).value_or(0), 102, 1e-9);
    EXPECT_NEAR(a.findReal(40).value_or(0), 5, 1e-9);
    EXPECT_NEAR(a.findReal(50).value_or(0), 90, 1e-9);
    EXPECT_EQ(subs[1]->type(), "SEQEND");
    EXPECT_TRUE(said(L"Enter block name or [?]: "));
    EXPECT_TRUE(said(L"Specify insertion point or [Basepoint/Scale/X/Y/Z/Rotate]: "));
    EXPECT_TRUE(said(L"Enter X scale factor, specify opposite corner, or [Corner/XYZ] <1>: "));
    EXPECT_TRUE(said(L"Enter Y scale factor <use X scale factor>: "));
    EXPECT_TRUE(said(L"Specify rotation angle <0>: "));
    EXPECT_TRUE(said(L"Enter attribute values\nNumber <1>: "));
}

TEST_F(InsertCommand, ThroughACommandCall) {
    defineTag();
    ads_point at = {5, 5, 0};
    EXPECT_EQ(acedCommandS(RTSTR, L"_.INSERT", RTSTR, L"TAG", RTPOINT, at, RTREAL, 1.0, RTREAL, 1.0,
                           RTREAL, 0.0, RTSTR, L"B 7", RTNONE),
              RTNORM);
    auto inserts = entities("INSERT");
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(subEntities(inserts[0]).front()->groups.findText(1).value_or(""), "B 7");
}

TEST_F(InsertCommand, AttributeDefaultsWithoutAttReq) {
    defineTag();
    setVar("ATTREQ", host::SysvarValue::ofShort(0));
    run(L"-INSERT", {L"TAG", L"0,0", L"", L"", L""});
    auto subs = subEntities(entities("INSERT").front());
    EXPECT_EQ(subs.front()->groups.findText(1).value_or(""), "1");
    EXPECT_FALSE(said(L"Enter attribute values"));
}

TEST_F(InsertCommand, PresetScaleAndCornerScales) {
    defineTag();
    run(L"-INSERT", {L"TAG", L"_S", L"3", L"0,0", L"0", L""});
    const db::GroupList& preset = entities("INSERT").back()->groups;
    EXPECT_DOUBLE_EQ(preset.findReal(41).value_or(0), 3);
    EXPECT_DOUBLE_EQ(preset.findReal(43).value_or(0), 3);
    run(L"-INSERT", {L"TAG", L"10,10", L"14,13", L"0", L""});
    const db::GroupList& corner = entities("INSERT").back()->groups;
    EXPECT_DOUBLE_EQ(corner.findReal(41).value_or(0), 4);
    EXPECT_DOUBLE_EQ(corner.findReal(42).value_or(0), 3);
}

TEST_F(InsertCommand, ExplodedInsertPlacesTheEntities) {
    defineTag();
    run(L"-INSERT", {L"*TAG", L"10,0", L"2", L"0"});
    EXPECT_TRUE(entities("INSERT").empty());
    auto lines = entities("LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(pointOf(lines[0]->groups, 10), (std::array<double, 3>{10, 0, 0}));
    EXPECT_EQ(pointOf(lines[0]->groups, 11), (std::array<double, 3>{30, 0, 0}));
    EXPECT_EQ(lines[0]->groups.findText(8).value_or(""), "0");
    EXPECT_EQ(entities("ATTDEF").size(), 2u);
    EXPECT_TRUE(said(L"Specify scale factor for XYZ axes <1>: "));
}

TEST_F(InsertCommand, BlockFromADrawingFileOnTheSupportPath) {
    TempDir dir;
    writePileDrawing(dir / "paal.dxf", 2);
    host::Session::get().supportPath().push_back(dir.path());
    run(L"-INSERT", {L"PAAL.DWG", L"20,30", L"", L"", L"", L"P7"});
    auto block = db().findBlock("PAAL");
    ASSERT_TRUE(block);
    EXPECT_DOUBLE_EQ(db().block(*block).header.findReal(10).value_or(0), 5);
    EXPECT_TRUE(db().findRecord(db::TableKind::Layer, "PILE"));
    auto inserts = entities("INSERT");
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(inserts[0]->groups.findText(2).value_or(""), "PAAL");
    auto subs = subEntities(inserts[0]);
    ASSERT_EQ(subs.size(), 2u);
    EXPECT_EQ(subs[0]->groups.findText(1).value_or(""), "P7");
    EXPECT_EQ(pointOf(subs[0]->groups, 10), (std::array<double, 3>{20, 30, 0}));

    writePileDrawing(dir / "paal.dxf", 4);
    run(L"-INSERT", {L"PAAL=", L"0,0", L"", L"", L"", L""});
    EXPECT_TRUE(said(L"Block \"PAAL\" redefined"));
    double radius = 0;
    for (db::EntityId id : db().block(*db().findBlock("PAAL")).entities)
        if (!db().entity(id).erased && db().entity(id).type() == "CIRCLE")
            radius = db().entity(id).groups.findReal(40).value_or(0);
    EXPECT_DOUBLE_EQ(radius, 4);
}

TEST_F(InsertCommand, MissingFileEndsTheCommand) {
    run(L"-INSERT", {L"NOSUCH", L"0,0"});
    EXPECT_TRUE(said(L"\"NOSUCH.dwg\": Can't find file in search path:"));
    EXPECT_TRUE(entities("INSERT").empty());
    EXPECT_EQ(driver->pending(), 1u);
}

} // namespace
} // namespace vma::test
