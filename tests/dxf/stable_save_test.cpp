// Saving a drawing read from our own output gives the same bytes: every
// handle the first save gave out (the BLOCK_RECORD table's too) is kept by the
// reader and used again, for a drawing of each kind of entity and for the
// fixtures from another program (which hold inserts with attributes,
// dimensions and hatches).
#include "dxf/dxf_test_support.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace vma;

namespace {

struct EntityCase {
    const char* name;
    std::string groups;
};

std::string drawingOf(const std::string& entities) {
    return test::dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + entities +
           test::dxfText({{0, "ENDSEC"}, {0, "EOF"}});
}

void expectStableSave(const db::Database& db) {
    std::string first = test::written(db);
    auto again = test::mustRead(first);
    std::string second = test::written(*again.db);
    EXPECT_EQ(first, second);
}

const EntityCase kEntities[] = {
    {"LINE", test::dxfText({{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "4"}, {21, "2"}})},
    {"CIRCLE", test::dxfText({{0, "CIRCLE"}, {8, "0"}, {10, "1"}, {20, "1"}, {40, "2.5"}})},
    {"ARC", test::dxfText({{0, "ARC"}, {10, "1"}, {20, "1"}, {40, "2"}, {50, "30"}, {51, "120"}})},
    {"POINT", test::dxfText({{0, "POINT"}, {10, "3"}, {20, "4"}, {30, "5"}})},
    {"TEXT",
     test::dxfText({{0, "TEXT"}, {10, "0"}, {20, "0"}, {40, "2.5"}, {1, "Tekst"}, {50, "45"}})},
    {"MTEXT",
     test::dxfText({{0, "MTEXT"}, {10, "0"}, {20, "0"}, {40, "2.5"}, {1, "Twee\\Pregels"}})},
    {"SOLID", test::dxfText({{0, "SOLID"},
                             {10, "0"},
                             {20, "0"},
                             {11, "1"},
                             {21, "0"},
                             {12, "0"},
                             {22, "1"},
                             {13, "1"},
                             {23, "1"}})},
    {"3DFACE", test::dxfText({{0, "3DFACE"},
                              {10, "0"},
                              {20, "0"},
                              {11, "1"},
                              {21, "0"},
                              {12, "1"},
                              {22, "1"},
                              {13, "0"},
                              {23, "1"}})},
    {"LWPOLYLINE", test::dxfText({{0, "LWPOLYLINE"},
                                  {90, "2"},
                                  {70, "1"},
                                  {10, "0"},
                                  {20, "0"},
                                  {42, "0.5"},
                                  {10, "3"},
                                  {20, "0"}})},
    {"POLYLINE", test::dxfText({{0, "POLYLINE"},
                                {66, "1"},
                                {10, "0"},
                                {20, "0"},
                                {0, "VERTEX"},
                                {10, "0"},
                                {20, "0"},
                                {0, "VERTEX"},
                                {10, "2"},
                                {20, "2"},
                                {0, "SEQEND"}})},
    {"ELLIPSE", test::dxfText({{0, "ELLIPSE"},
                               {10, "0"},
                               {20, "0"},
                               {11, "3"},
                               {21, "0"},
                               {40, "0.5"},
                               {41, "0"},
                               {42, "6.283185307179586"}})},
    {"XLINE", test::dxfText({{0, "XLINE"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}})},
};

class StableSave : public testing::TestWithParam<EntityCase> {};

TEST_P(StableSave, SecondSaveIsByteIdentical) {
    auto read = test::mustRead(drawingOf(GetParam().groups));
    ASSERT_GT(read.db->entityCount(), 0u);
    expectStableSave(*read.db);
}

INSTANTIATE_TEST_SUITE_P(Entities, StableSave, testing::ValuesIn(kEntities), [](const auto& info) {
    std::string name = info.param.name;
    return name == "3DFACE" ? std::string("FACE3D") : name;
});

class StableSaveOfFixture : public testing::TestWithParam<const char*> {};

TEST_P(StableSaveOfFixture, SecondSaveIsByteIdentical) {
    auto read = dxf::readFile(test::sourceDir() / "tests/data/dxf" / GetParam());
    ASSERT_TRUE(read.ok()) << read.error().message;
    expectStableSave(*read->db);
}

INSTANTIATE_TEST_SUITE_P(Dxf, StableSaveOfFixture,
                         testing::Values("ezdxf_r2000.dxf", "ezdxf_r12.dxf", "r12_complex.dxf",
                                         "r2000_cp1252.dxf"));

TEST(StableSave, ReaderKeepsTheBlockRecordTableHandle) {
    auto read = test::mustRead(drawingOf(""));
    EXPECT_EQ(read.db->blockRecordTableHandle(), db::Handle(0));
    auto again = test::mustRead(test::written(*read.db));
    EXPECT_NE(again.db->blockRecordTableHandle(), db::Handle(0));
}

} // namespace
