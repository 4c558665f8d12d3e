// Read -> write -> read keeps a drawing: fixtures from another program and by
// hand, reals bit-exact, extended data, complex entities, unknown entity
// types and groups, R12 files without handles.
#include "dxf/dxf_test_support.h"
#include "support/test_support.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace vma;

namespace {

dxf::ReadResult readFixture(const std::string& name) {
    auto result = dxf::readFile(test::sourceDir() / "tests/data/dxf" / name);
    if (!result) {
        ADD_FAILURE() << name << ": " << result.error().message;
        return dxf::ReadResult{db::Database::createEmpty(), {}};
    }
    return std::move(result).value();
}

std::optional<db::EntityId> firstOfType(const db::Database& db, std::string_view type) {
    for (db::EntityId id = 0; id < db.entityCount(); ++id)
        if (db.entity(id).type() == type)
            return id;
    return std::nullopt;
}

class Fixture : public testing::TestWithParam<const char*> {};

TEST_P(Fixture, ReadsCleanlyAndSurvivesARoundTrip) {
    auto first = readFixture(GetParam());
    EXPECT_TRUE(first.warnings.empty()) << first.warnings.front().message;
    auto second = test::mustRead(test::written(*first.db));
    EXPECT_TRUE(second.warnings.empty());
    test::expectSameDrawing(*first.db, *second.db);
    // Writing again gives the drawing as the second reading saw it.
    auto third = test::mustRead(test::written(*second.db));
    test::expectSameDrawing(*second.db, *third.db);
}

INSTANTIATE_TEST_SUITE_P(Dxf, Fixture,
                         testing::Values("ezdxf_r2000.dxf", "ezdxf_r12.dxf", "r12_complex.dxf",
                                         "r2000_cp1252.dxf"));

TEST(RoundTrip, RealsComeBackBitExact) {
    auto db = db::Database::createNew();
    std::mt19937_64 random(7);
    std::vector<double> values = {
        0.1, 1.0 / 3.0, -0.0, 1e-300, 5e-324, 1.7976931348623157e308, 123456789.123456789, -2.5e-7};
    for (int i = 0; i < 200; ++i) {
        double d;
        uint64_t bits = random();
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d))
            values.push_back(d);
    }
    for (double v : values) {
        db::Entity e;
        e.groups.addText(0, "POINT");
        e.groups.addText(8, "0");
        e.groups.addReal(10, v);
        e.groups.addReal(20, -v);
        e.groups.addReal(30, 0.0);
        db->addEntity(std::move(e));
    }
    auto back = test::mustRead(test::written(*db));
    ASSERT_EQ(back.db->entityCount(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        double x = *back.db->entity(static_cast<db::EntityId>(i)).groups.findReal(10);
        EXPECT_EQ(std::memcmp(&x, &values[i], sizeof x), 0) << values[i];
    }
}

TEST(RoundTrip, ExtendedDataIsKeptExactly) {
    auto r = readFixture("r12_complex.dxf");
    auto id = firstOfType(*r.db, "LINE");
    ASSERT_TRUE(id);
    const db::GroupList& g = r.db->entity(*id).groups;
    long app = g.find(1001);
    ASSERT_GE(app, 0);
    EXPECT_EQ(g.text(static_cast<size_t>(app)), "VMA");
    std::vector<int> codes;
    for (size_t i = static_cast<size_t>(app); i < g.size(); ++i)
        codes.push_back(g[i].code);
    EXPECT_EQ(codes,
              (std::vector<int>{1001, 1000, 1002, 1070, 1040, 1010, 1020, 1030, 1002, 1071}));
    EXPECT_EQ(g.findInt(1071), 70000);
    EXPECT_EQ(g.findReal(1040), 0.1);
    EXPECT_EQ(g.findReal(21), 123456789.123456789);
    EXPECT_EQ(g.findReal(11), 1e-300);
}

TEST(RoundTrip, ComplexEntitiesKeepTheirParts) {
    auto r = readFixture("r12_complex.dxf");
    const db::Database& db = *r.db;
    auto polyline = firstOfType(db, "POLYLINE");
    auto insert = firstOfType(db, "INSERT");
    ASSERT_TRUE(polyline && insert);
    const auto& model = db.block(db.modelSpace()).entities;
    auto at = std::find(model.begin(), model.end(), *polyline) - model.begin();
    std::vector<std::string_view> types;
    for (size_t i = static_cast<size_t>(at); i < static_cast<size_t>(at) + 5; ++i)
        types.push_back(db.entity(model[i]).type());
    EXPECT_EQ(types,
              (std::vector<std::string_view>{"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND"}));
    for (size_t i = static_cast<size_t>(at) + 1; i < static_cast<size_t>(at) + 5; ++i) {
        EXPECT_EQ(db.entity(model[i]).parent, *polyline);
        EXPECT_EQ(db.entity(model[i]).owner, db.entity(*polyline).handle);
    }
    auto attrib = firstOfType(db, "ATTRIB");
    ASSERT_TRUE(attrib);
    EXPECT_EQ(db.entity(*attrib).parent, *insert);
    EXPECT_EQ(db.entity(*attrib).groups.findText(1), "17");
}

TEST(RoundTrip, R12WithoutHandlesGetsUniqueHandles) {
    auto r = readFixture("r12_complex.dxf");
    const db::Database& db = *r.db;
    std::set<db::Handle> handles;
    for (db::EntityId id = 0; id < db.entityCount(); ++id) {
        EXPECT_NE(db.entity(id).handle, 0u);
        EXPECT_TRUE(handles.insert(db.entity(id).handle).second);
        EXPECT_NE(db.entity(id).owner, 0u);
    }
    for (const auto& b : db.blocks())
        for (db::Handle h : {b.recordHandle, b.beginHandle, b.endHandle})
            EXPECT_TRUE(handles.insert(h).second) << b.name;
    EXPECT_GT(db.handleSeed(), *handles.rbegin());
}

TEST(RoundTrip, UnknownTypesAndGroupsAreWrittenBack) {
    auto r = readFixture("r2000_cp1252.dxf");
    auto unknown = firstOfType(*r.db, "WIPEOUTX");
    ASSERT_TRUE(unknown);
    const db::GroupList& g = r.db->entity(*unknown).groups;
    EXPECT_EQ(g.findText(100), "AcDbEntity");
    EXPECT_EQ(g.findText(1), "keep me");
    std::string text = test::written(*r.db);
    EXPECT_NE(text.find("WIPEOUTX\r\n  5\r\n31\r\n330\r\n"), std::string::npos);
    EXPECT_NE(text.find("AcDbWipeoutX\r\n 90\r\n7\r\n"), std::string::npos);
    EXPECT_NE(text.find("1234\r\nodd group\r\n"), std::string::npos);
}

TEST(RoundTrip, PaperSpaceEntitiesStayInPaperSpace) {
    auto r = readFixture("r12_complex.dxf");
    const auto& paper = r.db->block(r.db->paperSpace()).entities;
    ASSERT_EQ(paper.size(), 1u);
    auto back = test::mustRead(test::written(*r.db));
    ASSERT_EQ(back.db->block(back.db->paperSpace()).entities.size(), 1u);
}

} // namespace
