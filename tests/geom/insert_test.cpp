// Block references: the insert transform (base point, scale, rotation,
// extrusion, nesting, mirroring), column and row arrays, attributes, and the
// anonymous blocks of dimensions.
#include "geom/drawing.h"

#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;
using geom::Primitive;
using geom::Vec3;

namespace {

constexpr double kEps = 1e-9;

// A block "B" with base point (1,1) holding the line (1,1)-(2,1).
uint32_t lineBlock(db::Database& db) {
    uint32_t b = addBlock(db, "B", 1, 1);
    add(db, Groups("LINE").text(8, "0").point(10, 1, 1).point(11, 2, 1), b);
    return b;
}

Groups insertOf(std::string_view name, double x, double y) {
    Groups g("INSERT");
    g.text(8, "0").text(2, name).point(10, x, y);
    return g;
}

struct TransformCase {
    const char* what;
    double sx, sy, rotation;
    Vec3 expectedEnd; // where the block's (2,1) lands for an insert at (10,0)
};

TEST(Insert, PlacesTheBlockByBasePointScaleAndRotation) {
    const TransformCase cases[] = {
        {"identity", 1, 1, 0, {11, 0, 0}},
        {"scaled", 2, 2, 0, {12, 0, 0}},
        {"rotated", 2, 2, 90, {10, 2, 0}},
        {"mirrored", -1, 1, 0, {9, 0, 0}},
        {"mirrored and rotated", -1, 1, 180, {11, 0, 0}},
    };
    for (const auto& c : cases) {
        auto db = db::Database::createNew();
        lineBlock(*db);
        add(*db, insertOf("B", 10, 0).real(41, c.sx).real(42, c.sy).real(50, c.rotation));
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 1u) << c.what;
        EXPECT_NEAR(distance(prims[0].points[0], {10, 0, 0}), 0, kEps) << c.what;
        EXPECT_NEAR(distance(prims[0].points[1], c.expectedEnd), 0, kEps) << c.what;
    }
}

TEST(Insert, NestedInsertsCompose) {
    auto db = db::Database::createNew();
    lineBlock(*db);
    uint32_t outer = addBlock(*db, "OUTER");
    // Inside OUTER: B at (0,5) rotated 90 degrees.
    add(*db, insertOf("B", 0, 5).real(50, 90), outer);
    add(*db, insertOf("OUTER", 100, 0).real(41, 3).real(42, 3));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    // (1,1)->(0,5) and (2,1)->(0,6) in OUTER; then scaled 3 and moved by 100.
    EXPECT_NEAR(distance(prims[0].points[0], {100, 15, 0}), 0, kEps);
    EXPECT_NEAR(distance(prims[0].points[1], {100, 18, 0}), 0, kEps);
}

TEST(Insert, ExtrusionDownMirrorsTheInsertionPoint) {
    auto db = db::Database::createNew();
    lineBlock(*db);
    add(*db, insertOf("B", 10, 0).point(210, 0, 0, -1));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_NEAR(distance(prims[0].points[0], {-10, 0, 0}), 0, kEps);
    EXPECT_NEAR(distance(prims[0].points[1], {-11, 0, 0}), 0, kEps);
}

TEST(Insert, ColumnsAndRowsRepeatTheBlock) {
    auto db = db::Database::createNew();
    lineBlock(*db);
    add(*db,
        insertOf("B", 0, 0).real(50, 90).integer(70, 3).integer(71, 2).real(44, 10).real(45, 5));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 6u);
    // Spacing runs along the rotated axes: columns go up, rows go left.
    geom::Box box = geom::extents(prims);
    EXPECT_NEAR(box.max.y, 21, kEps);
    EXPECT_NEAR(box.min.x, -5, kEps);
}

TEST(Insert, AttributesFollowTheInsertButDefinitionsDoNot) {
    auto db = db::Database::createNew();
    uint32_t b = lineBlock(*db);
    add(*db, Groups("ATTDEF").point(10, 0, 0).real(40, 1).text(1, "").text(2, "TAG"), b);
    auto ref = add(*db, insertOf("B", 0, 0).integer(66, 1));
    add(*db,
        Groups("ATTRIB").point(10, 5, 5).real(40, 1).text(1, "shown").text(2, "TAG").integer(70, 0),
        0, ref);
    add(*db,
        Groups("ATTRIB").point(10, 6, 6).real(40, 1).text(1, "hidden").text(2, "T2").integer(70, 1),
        0, ref);
    add(*db, Groups("SEQEND"), 0, ref);
    add(*db, Groups("ATTDEF").point(10, 0, 0).real(40, 1).text(1, "").text(2, "LOOSE"));
    std::vector<std::string> texts;
    for (const Primitive& p : draw(*db))
        if (p.kind == Primitive::Kind::Text)
            texts.push_back(p.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"shown", "LOOSE"}));
}

TEST(Insert, DimensionDrawsItsBlockWhereItStands) {
    auto db = db::Database::createNew();
    uint32_t d = addBlock(*db, "*D1");
    add(*db, Groups("LINE").point(10, 3, 3).point(11, 4, 4).integer(62, 0), d);
    add(*db, Groups("DIMENSION").text(2, "*D1").point(10, 50, 50).integer(62, 3));
    add(*db, Groups("DIMENSION").text(2, "*D9"));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_NEAR(distance(prims[0].points[0], {3, 3, 0}), 0, kEps);
    EXPECT_EQ(prims[0].color, 3); // BYBLOCK inside takes the dimension's colour
}

TEST(Insert, BlockInsideItselfIsDrawnOnce) {
    auto db = db::Database::createNew();
    uint32_t b = addBlock(*db, "LOOP");
    add(*db, Groups("LINE").point(10, 0, 0).point(11, 1, 0), b);
    add(*db, insertOf("LOOP", 1, 0), b);
    add(*db, insertOf("LOOP", 0, 0));
    add(*db, insertOf("*Model_Space", 0, 0));
    EXPECT_EQ(draw(*db).size(), 1u);
}

TEST(Insert, MultiplyingNestingStopsAtTheBudget) {
    // Each level inserts the one below it in a 2 x 2 array: 4^12 lines in all.
    auto db = db::Database::createNew();
    uint32_t level = addBlock(*db, "L0");
    add(*db, Groups("LINE").point(10, 0, 0).point(11, 1, 0), level);
    for (int i = 1; i <= 12; ++i) {
        level = addBlock(*db, "L" + std::to_string(i));
        add(*db,
            insertOf("L" + std::to_string(i - 1), 0, 0)
                .integer(70, 2)
                .integer(71, 2)
                .real(44, 1)
                .real(45, 1),
            level);
    }
    add(*db, insertOf("L12", 0, 0));
    geom::Options options;
    options.maxBlockEntities = 1000;
    auto prims = geom::explodeBlock(*db, db->modelSpace(), options);
    EXPECT_GT(prims.size(), 0u);
    EXPECT_LE(prims.size(), 1000u);
}

} // namespace
