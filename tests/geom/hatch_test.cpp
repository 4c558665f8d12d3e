// Hatches: boundary paths (polyline with bulges, edges with lines and arcs in
// either direction), solid fills with holes, pattern lines clipped inside the
// boundary with their dashes, and the cap on runaway patterns.
#include "geom/drawing.h"
#include "host/geom/hatch.h"
#include "host/geom/matrix.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;
using geom::Primitive;
using geom::Vec3;
using geom::operator+;
using geom::operator*;

namespace {

// A square polyline path from lo to hi.
Groups& square(Groups& g, double lo, double hi) {
    g.integer(92, 2).integer(72, 0).integer(73, 1).integer(93, 4);
    g.point2(10, lo, lo).point2(10, hi, lo).point2(10, hi, hi).point2(10, lo, hi);
    return g.integer(97, 0);
}

Groups hatchHeader(bool solid, int paths) {
    Groups g("HATCH");
    g.point(10, 0, 0, 0).point(210, 0, 0, 1).text(2, solid ? "SOLID" : "USER");
    g.integer(70, solid ? 1 : 0).integer(71, 0).integer(91, paths);
    return g;
}

Groups& pattern(Groups& g, double angle, double dx, double dy, double baseY = 0) {
    g.integer(75, 0).integer(76, 0).real(52, 0).real(41, 1).integer(77, 0).integer(78, 1);
    g.real(53, angle).real(43, 0).real(44, baseY).real(45, dx).real(46, dy).integer(79, 0);
    return g.real(47, 1).integer(98, 0);
}

bool inside(const Vec3& p, double lo, double hi) {
    constexpr double kEps = 1e-9;
    return p.x >= lo - kEps && p.x <= hi + kEps && p.y >= lo - kEps && p.y <= hi + kEps;
}

TEST(Hatch, SolidFillKeepsItsHole) {
    auto db = db::Database::createNew();
    Groups g = hatchHeader(true, 2);
    square(g, 0, 10);
    square(g, 4, 6);
    g.integer(75, 0).integer(76, 1).integer(98, 0);
    add(*db, g);
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::Fill);
    // Both rings closed on themselves, then the bridge back to the start.
    EXPECT_EQ(prims[0].points.size(), 5u + 5u + 1u);
}

TEST(Hatch, PatternLinesStayInsideAndSkipTheHole) {
    auto db = db::Database::createNew();
    Groups g = hatchHeader(false, 2);
    square(g, 0.5, 9.5);
    square(g, 4, 6);
    pattern(g, 45, -std::sqrt(0.5), std::sqrt(0.5));
    add(*db, g);
    auto prims = draw(*db);
    ASSERT_GT(prims.size(), 10u);
    for (const auto& p : prims) {
        ASSERT_EQ(p.points.size(), 2u);
        Vec3 mid = (p.points[0] + p.points[1]) * 0.5;
        EXPECT_TRUE(inside(p.points[0], 0.5, 9.5));
        EXPECT_TRUE(inside(p.points[1], 0.5, 9.5));
        EXPECT_FALSE(inside(mid, 4.001, 5.999)) << mid.x << "," << mid.y;
        EXPECT_NEAR(p.points[1].y - p.points[0].y, p.points[1].x - p.points[0].x, 1e-9);
    }
}

TEST(Hatch, DashesRunFromTheBasePoint) {
    geom::PatternLine line;
    line.offset = {0, 1, 0};
    line.dashes = {1, -1, 0, -1};
    std::vector<std::vector<Vec3>> rings{
        {{0.5, 0.5, 0}, {6.5, 0.5, 0}, {6.5, 1.5, 0}, {0.5, 1.5, 0}}};
    auto segments = geom::patternSegments(rings, {line});
    // Only y = 1 crosses: dashes [0.5,1] [3,4] [6,6.5] and dots at 2 and 5.
    ASSERT_EQ(segments.size(), 5u);
    EXPECT_NEAR(segments[0].a.x, 0.5, 1e-9);
    EXPECT_NEAR(segments[0].b.x, 1, 1e-9);
    EXPECT_NEAR(segments[1].a.x, 2, 1e-9);
    EXPECT_NEAR(segments[1].b.x, 2, 1e-9);
    EXPECT_NEAR(segments[4].b.x, 6.5, 1e-9);
}

TEST(Hatch, TinySpacingAndDashesAreCapped) {
    std::vector<std::vector<Vec3>> rings{{{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}}};
    geom::PatternLine dense;
    dense.offset = {0, 1e-7, 0};
    EXPECT_TRUE(geom::patternSegments(rings, {dense}).empty());
    geom::PatternLine dotted;
    dotted.offset = {0, 0.5, 0};
    dotted.dashes = {0.001, -0.001};
    EXPECT_EQ(geom::patternSegments(rings, {dotted}).size(), geom::kMaxPatternSegments);
    // Dashes finer than could ever be stepped through draw as whole lines.
    dotted.dashes = {1e-9, -1e-9};
    auto whole = geom::patternSegments(rings, {dotted});
    ASSERT_EQ(whole.size(), 200u); // y = 0 .. 99.5: the lower edge counts as inside
    EXPECT_NEAR(whole[0].b.x - whole[0].a.x, 100, 1e-9);
    geom::PatternLine gaps;
    gaps.offset = {0, 1, 0};
    gaps.dashes = {-1, -2};
    EXPECT_TRUE(geom::patternSegments(rings, {gaps}).empty());
}

TEST(Hatch, EdgePathsWithArcsInBothDirections) {
    // A quarter disc of radius 4: two lines and an arc, once stored
    // counter-clockwise (0..90) and once clockwise (mirrored angles 270..360).
    for (bool ccw : {true, false}) {
        auto db = db::Database::createNew();
        Groups g = hatchHeader(false, 1);
        g.integer(92, 1).integer(93, 3);
        if (ccw) {
            g.integer(72, 1).point2(10, 0, 0).point2(11, 4, 0);
            g.integer(72, 2).point2(10, 0, 0).real(40, 4).real(50, 0).real(51, 90).integer(73, 1);
            g.integer(72, 1).point2(10, 0, 4).point2(11, 0, 0);
        } else {
            g.integer(72, 1).point2(10, 0, 0).point2(11, 0, 4);
            g.integer(72, 2).point2(10, 0, 0).real(40, 4).real(50, 270).real(51, 360).integer(73,
                                                                                              0);
            g.integer(72, 1).point2(10, 4, 0).point2(11, 0, 0);
        }
        g.integer(97, 0);
        pattern(g, 0, 0, 0.5, 0.25); // y = 0.25 .. 3.75
        add(*db, g);
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 8u) << ccw;
        for (const auto& p : prims) {
            ASSERT_EQ(p.points.size(), 2u);
            EXPECT_NEAR(p.points[0].x, 0, 1e-9);
            EXPECT_NEAR(std::hypot(p.points[1].x, p.points[1].y), 4, 0.02);
        }
    }
}

TEST(Hatch, BulgedPolylinePathAndExtrusion) {
    auto db = db::Database::createNew();
    Groups g("HATCH");
    g.point(10, 0, 0, 2).point(210, 0, 0, -1).text(2, "SOLID").integer(70, 1).integer(91, 1);
    // A full circle of radius 1 around (0,0) from two half-circle bulges.
    g.integer(92, 2).integer(72, 1).integer(73, 1).integer(93, 2);
    g.point2(10, -1, 0).real(42, 1).point2(10, 1, 0).real(42, 1).integer(97, 0);
    g.integer(75, 0).integer(76, 1).integer(98, 0);
    add(*db, g);
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    for (const Vec3& p : prims[0].points) {
        EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-9);
        EXPECT_NEAR(p.z, -2, 1e-9);
    }
}

} // namespace

namespace {

TEST(Hatch, CountsBeyondTheDataAreNotBelieved) {
    Groups g = hatchHeader(false, 1000000000);
    g.integer(92, 2).integer(72, 0).integer(73, 1).integer(93, 1000000000);
    g.point2(10, 0, 0).point2(10, 4, 0).point2(10, 0, 4).integer(97, 0);
    g.integer(75, 0).integer(76, 1).integer(78, 1000000000);
    g.real(53, 0).real(43, 0).real(44, 0.5).real(45, 0).real(46, 1).integer(79, 1000000000);
    g.real(49, 1).real(49, -1).real(47, 1).integer(98, 0);
    geom::HatchShape shape = geom::readHatch(g.list());
    ASSERT_EQ(shape.rings.size(), 1u);
    EXPECT_EQ(shape.rings[0].size(), 3u);
    ASSERT_EQ(shape.lines.size(), 1u);
    EXPECT_EQ(shape.lines[0].dashes, (std::vector<double>{1, -1}));
}

} // namespace
