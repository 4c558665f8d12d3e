// Colour resolution (BYLAYER, BYBLOCK, true colour) and which layers hide
// entities, at the top level and inside blocks.
#include "geom/drawing.h"
#include "host/geom/aci.h"

#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;
using geom::Primitive;

namespace {

std::unique_ptr<db::Database> layered() {
    auto db = db::Database::createNew();
    addLayer(*db, "RED", 1);
    addLayer(*db, "OFF", -2);
    addLayer(*db, "FROZEN", 3, 1);
    return db;
}

Groups lineOn(std::string_view layer) {
    Groups g("LINE");
    g.text(8, layer).point(10, 0, 0).point(11, 1, 1);
    return g;
}

std::vector<int> colours(const std::vector<Primitive>& prims) {
    std::vector<int> out;
    for (const auto& p : prims)
        out.push_back(p.color);
    return out;
}

TEST(Colour, TopLevelEntities) {
    struct Case {
        const char* what;
        Groups entity;
        std::vector<int> expected; // empty: not drawn
    };
    const Case cases[] = {
        {"bylayer", lineOn("RED"), {1}},
        {"explicit", lineOn("RED").integer(62, 5), {5}},
        {"byblock at top level", lineOn("RED").integer(62, 0), {7}},
        {"true colour", lineOn("RED").integer(62, 5).integer(420, 0x00FF00), {3}},
        {"off layer", lineOn("OFF"), {}},
        {"frozen layer", lineOn("FROZEN"), {}},
        {"unknown layer", lineOn("NOWHERE"), {7}},
    };
    for (const auto& c : cases) {
        auto db = layered();
        add(*db, c.entity);
        EXPECT_EQ(colours(draw(*db)), c.expected) << c.what;
    }
}

TEST(Colour, HiddenLayersShowWhenAsked) {
    auto db = layered();
    add(*db, lineOn("OFF"));
    auto erased = add(*db, lineOn("RED"));
    db->setErased(erased, true);
    geom::Options all;
    all.skipHidden = false;
    EXPECT_EQ(colours(geom::explodeBlock(*db, db->modelSpace(), all)), (std::vector<int>{2, 1}));
    EXPECT_TRUE(draw(*db).empty());
}

// A block of four lines: layer 0 BYLAYER, layer 0 BYBLOCK, layer RED BYBLOCK, layer OFF.
std::unique_ptr<db::Database> withBlock() {
    auto db = layered();
    uint32_t b = addBlock(*db, "B");
    add(*db, lineOn("0"), b);
    add(*db, lineOn("0").integer(62, 0), b);
    add(*db, lineOn("RED").integer(62, 0), b);
    add(*db, lineOn("OFF").integer(62, 4), b);
    return db;
}

Groups insertOn(std::string_view layer) {
    Groups g("INSERT");
    g.text(8, layer).text(2, "B").point(10, 0, 0);
    return g;
}

TEST(Colour, InsideBlocks) {
    struct Case {
        const char* what;
        Groups insert;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"insert on RED, colour 6", insertOn("RED").integer(62, 6), {1, 6, 6}},
        {"insert on RED, BYLAYER", insertOn("RED"), {1, 1, 1}},
        {"insert on layer 0", insertOn("0"), {7, 7, 7}},
        // Layer-0 content takes the insert's off layer; RED content still shows.
        {"insert on an off layer", insertOn("OFF").integer(62, 5), {5}},
        {"insert on a frozen layer", insertOn("FROZEN"), {}},
    };
    for (const auto& c : cases) {
        auto db = withBlock();
        add(*db, c.insert);
        EXPECT_EQ(colours(draw(*db)), c.expected) << c.what;
    }
}

TEST(Colour, AciTable) {
    EXPECT_EQ(geom::aciColor(1), (geom::Rgb{255, 0, 0}));
    EXPECT_EQ(geom::aciColor(8), (geom::Rgb{65, 65, 65}));
    EXPECT_EQ(geom::aciColor(11), (geom::Rgb{255, 127, 127}));
    EXPECT_EQ(geom::aciColor(21), (geom::Rgb{255, 159, 127}));
    EXPECT_EQ(geom::aciColor(26), (geom::Rgb{127, 31, 0}));
    EXPECT_EQ(geom::aciColor(50), (geom::Rgb{255, 255, 0}));
    EXPECT_EQ(geom::aciColor(150), (geom::Rgb{0, 127, 255}));
    EXPECT_EQ(geom::aciColor(250), (geom::Rgb{51, 51, 51}));
    EXPECT_EQ(geom::aciColor(255), (geom::Rgb{255, 255, 255}));
    EXPECT_EQ(geom::nearestAci(0x0000FF), 5);
    EXPECT_EQ(geom::nearestAci(0x414141), 8);
}

} // namespace
