// The object model of block insertion: a block file read into a side
// database, inserted as a block definition with the table entries it uses,
// and placed by a reference with attributes, as the test module does it;
// the drawing written and read back; open modes and ids.
#include "acdbads.h"
#include "acutads.h"
#include "arx_fixture.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "host/db/rblist.h"
#include "host/dxf/dxf.h"
#include "support/test_support.h"

#include <cmath>
#include <numbers>

namespace vma::test {
namespace {

void make(resbuf* list) {
    host::RbList owned(list);
    ASSERT_EQ(acdbEntMake(owned.get()), RTNORM);
}

// A block file: a line, a constant and two variable attribute definitions on
// their own layer, base point (1, 1).
void writeBlockFile(const std::filesystem::path& path) {
    host::Session& session = host::Session::get();
    host::Document& current = session.current();
    host::Document& doc = session.open(nullptr);
    ads_point origin = {0, 0, 0}, end = {4, 0, 0}, nr = {2, 1, 0}, niv = {0, -1, 0};
    make(acutBuildList(RTDXF0, L"LAYER", 2, L"PEILMERK", 70, 0, 62, 3, 6, L"CONTINUOUS", 0));
    make(acutBuildList(RTDXF0, L"LINE", 8, L"PEILMERK", 10, origin, 11, end, 0));
    make(acutBuildList(RTDXF0, L"ATTDEF", 8, L"PEILMERK", 10, nr, 40, 0.5, 1, L"P1", 3,
                       L"Paalnummer", 2, L"NR", 70, 0, 41, 0.8, 0));
    make(acutBuildList(RTDXF0, L"ATTDEF", 8, L"PEILMERK", 10, niv, 40, 0.25, 1, L"-12.5", 3,
                       L"Niveau", 2, L"NIV", 70, 1, 0));
    make(acutBuildList(RTDXF0, L"ATTDEF", 10, origin, 40, 0.25, 1, L"vast", 3, L"", 2, L"VAST", 70,
                       2, 0));
    db::GroupList base;
    base.addReal(10, 1);
    base.addReal(20, 1);
    base.addReal(30, 0);
    doc.db->setHeaderValue("$INSBASE", base);
    ASSERT_TRUE(dxf::writeFile(*doc.db, path).ok());
    session.close(doc);
    session.makeCurrent(current);
}

struct Attrib {
    std::string tag, value;
    double x = 0, y = 0, height = 0, width = 0;
    int flags = 0;
};

std::vector<Attrib> attributesOf(const db::Database& db, const std::string& block) {
    std::vector<Attrib> out;
    for (db::EntityId id : db.block(db.modelSpace()).entities) {
        const db::Entity& e = db.entity(id);
        if (e.erased || e.type() != "ATTRIB")
            continue;
        const db::Entity& insert = db.entity(e.parent);
        if (insert.groups.findText(2).value_or("") != block)
            continue;
        const db::GroupList& g = e.groups;
        out.push_back({std::string(g.findText(2).value_or("")),
                       std::string(g.findText(1).value_or("")), g.findReal(10).value_or(0),
                       g.findReal(20).value_or(0), g.findReal(40).value_or(0),
                       g.findReal(41).value_or(1), static_cast<int>(g.findInt(70).value_or(0))});
    }
    return out;
}

void expectPlaced(const db::Database& db) {
    auto block = db.findBlock("TESTBLK");
    ASSERT_TRUE(block);
    EXPECT_EQ(db.block(*block).header.findReal(10).value_or(0), 1);
    EXPECT_EQ(db.block(*block).flags() & 2, 2);
    EXPECT_TRUE(db.findRecord(db::TableKind::Layer, "PEILMERK"));
    std::vector<Attrib> attribs = attributesOf(db, "TESTBLK");
    ASSERT_EQ(attribs.size(), 2u);
    // Reference at (10, 20), x scale 2: definition positions scaled per axis
    // and moved; heights as defined, widths twice.
    EXPECT_EQ(attribs[0].tag, "NR");
    EXPECT_EQ(attribs[0].value, "P1");
    EXPECT_DOUBLE_EQ(attribs[0].x, 14);
    EXPECT_DOUBLE_EQ(attribs[0].y, 21);
    EXPECT_DOUBLE_EQ(attribs[0].height, 0.5);
    EXPECT_DOUBLE_EQ(attribs[0].width, 1.6);
    EXPECT_EQ(attribs[1].tag, "NIV");
    EXPECT_EQ(attribs[1].flags & 1, 1);
    EXPECT_DOUBLE_EQ(attribs[1].x, 10);
    EXPECT_DOUBLE_EQ(attribs[1].y, 19);
}

TEST_F(ArxTest, InsertedBlockWithAttributesSurvivesDxf) {
    TempDir dir;
    writeBlockFile(dir / "peil.dxf");
    ASSERT_TRUE(load());
    script("TAINSERT\n" + (dir / "PEIL.DWG").string() + "\n");
    ASSERT_EQ(reports().back(), L"TAINSERT done") << wideToUtf8(printed);
    const db::Database& db = *host::Session::get().current().db;
    expectPlaced(db);
    ASSERT_TRUE(dxf::writeFile(db, dir / "out.dxf").ok());
    auto read = dxf::readFile(dir / "out.dxf");
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read->warnings.empty());
    expectPlaced(*read->db);
}

TEST_F(ArxTest, InsertingAgainRedefinesTheBlock) {
    TempDir dir;
    writeBlockFile(dir / "peil.dxf");
    AcDbDatabase* work = acdbHostApplicationServices()->workingDatabase();
    for (int round = 0; round < 2; ++round) {
        AcDbDatabase side(false, true);
        ASSERT_EQ(side.readDwgFile((dir / "peil.dwg").wstring().c_str()), Acad::eOk);
        AcDbObjectId id;
        ASSERT_EQ(work->insert(id, L"PEIL", &side), Acad::eOk);
        AcDbBlockTableRecord* record = nullptr;
        ASSERT_EQ(acdbOpenObject(record, id, AcDb::kForRead), Acad::eOk);
        AcDbBlockTableRecordIterator* it = nullptr;
        ASSERT_EQ(record->newIterator(it), Acad::eOk);
        int count = 0;
        for (; !it->done(); it->step())
            ++count;
        delete it;
        EXPECT_EQ(count, 4);
        EXPECT_TRUE(record->hasAttributeDefinitions());
        record->close();
    }
}

TEST_F(ArxTest, SideDatabaseErrors) {
    TempDir dir;
    writeFile(dir / "bad.dxf", "not a drawing\n");
    AcDbDatabase side(false, true);
    EXPECT_EQ(side.readDwgFile((dir / "missing.dwg").wstring().c_str()), Acad::eFileNotFound);
    EXPECT_EQ(side.readDwgFile((dir / "bad.dxf").wstring().c_str()), Acad::eDxfReadAborted);
    AcDbDatabase* work = acdbHostApplicationServices()->workingDatabase();
    EXPECT_EQ(work->readDwgFile((dir / "bad.dxf").wstring().c_str()), Acad::eNotApplicable);
    AcDbObjectId id;
    EXPECT_EQ(work->insert(id, L"X", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(work->insert(id, L"*X", &side), Acad::eInvalidBlockName);
    EXPECT_EQ(work->insert(id, L"A<B", &side), Acad::eInvalidBlockName);
    EXPECT_EQ(work->insert(id, L"X", work), Acad::eInvalidInput);
    EXPECT_TRUE(id.isNull());
}

TEST_F(ArxTest, OpenModesGuardObjects) {
    AcDbDatabase* work = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(work->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    AcDbObjectId modelId;
    ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, modelId), Acad::eOk);
    EXPECT_EQ(table->getAt(L"NOSUCH", modelId), Acad::eKeyNotFound);
    EXPECT_FALSE(table->has(L"NOSUCH"));
    AcDbBlockTable* writer = nullptr;
    EXPECT_EQ(work->getBlockTable(writer, AcDb::kForWrite), Acad::eWasOpenForRead);
    EXPECT_EQ(writer, nullptr);
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, model, AcDb::kForRead), Acad::eOk);
    AcDbText refused;
    EXPECT_EQ(model->appendAcDbEntity(&refused), Acad::eNotOpenForWrite);
    model->close();
    table->close();
    ASSERT_EQ(work->getBlockTable(writer, AcDb::kForWrite), Acad::eOk);
    writer->close();
    AcDbText loose;
    EXPECT_EQ(loose.close(), Acad::eNotInDatabase);
}

TEST_F(ArxTest, EntitiesChangeThroughClose) {
    ads_point at = {1, 2, 0};
    make(acutBuildList(RTDXF0, L"TEXT", 10, at, 40, 2.0, 1, L"oud", 0));
    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    AcDbObjectId id;
    ASSERT_EQ(acdbGetObjectId(id, last), Acad::eOk);
    AcDbText* text = nullptr;
    ASSERT_EQ(acdbOpenObject(text, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(text->setTextString(L"x"), Acad::eNotOpenForWrite);
    AcDbEntity* again = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(again, id, AcDb::kForWrite), Acad::eWasOpenForRead);
    AcDbBlockReference* wrong = nullptr;
    EXPECT_EQ(acdbOpenObject(wrong, id, AcDb::kForRead), Acad::eNotThatKindOfClass);
    EXPECT_EQ(text->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(text->setTextString(L"nieuw"), Acad::eOk);
    EXPECT_EQ(text->setHeight(0), Acad::eInvalidInput);
    EXPECT_EQ(text->transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis)),
              Acad::eOk);
    EXPECT_EQ(text->close(), Acad::eOk);
    host::RbList list(acdbEntGet(last));
    std::wstring value;
    double x = 0, angle = 0;
    for (resbuf* rb = list.get(); rb; rb = rb->rbnext) {
        if (rb->restype == 1)
            value = rb->resval.rstring;
        if (rb->restype == 10)
            x = rb->resval.rpoint[X];
        if (rb->restype == 50)
            angle = rb->resval.rreal;
    }
    EXPECT_EQ(value, L"nieuw");
    EXPECT_NEAR(x, -2, 1e-12);
    EXPECT_NEAR(angle, std::numbers::pi / 2, 1e-12);
}

TEST(Geometry, MatricesComposeAsColumns) {
    AcGePoint3d p(1, 0, 0);
    AcGeMatrix3d m = AcGeMatrix3d::translation(AcGeVector3d(10, 0, 0)) *
                     AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis);
    p.transformBy(m);
    EXPECT_NEAR(p.x, 10, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12);
    AcGePoint3d q(2, 0, 0);
    q.transformBy(AcGeMatrix3d::scaling(3, AcGePoint3d(1, 0, 0)));
    EXPECT_NEAR(q.x, 4, 1e-12);
    EXPECT_NEAR(AcGeMatrix3d::planeToWorld(AcGeVector3d(0, 0, -1)).det(), 1, 1e-12);
}

} // namespace
} // namespace vma::test
