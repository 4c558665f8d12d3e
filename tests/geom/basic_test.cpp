// Geometry of the simple entity types: chords that stay on their circle,
// bulge direction and widths of polylines, object coordinate systems.
#include "geom/drawing.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace vma;
using namespace vma::test;
using geom::Primitive;
using geom::Vec3;

namespace {

constexpr double kEps = 1e-9;

TEST(BasicGeometry, LineIsTwoPoints) {
    auto db = db::Database::createNew();
    add(*db, Groups("LINE").point(10, 1, 2, 3).point(11, 4, 5, 6));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::Polyline);
    ASSERT_EQ(prims[0].points.size(), 2u);
    EXPECT_NEAR(distance(prims[0].points[1], {4, 5, 6}), 0, kEps);
}

TEST(BasicGeometry, ArcChordsLieOnTheCircleBetweenItsAngles) {
    auto db = db::Database::createNew();
    add(*db, Groups("ARC").point(10, 5, 5).real(40, 2).real(50, 350).real(51, 10));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    const auto& pts = prims[0].points;
    ASSERT_GE(pts.size(), 3u);
    for (const Vec3& p : pts) {
        EXPECT_NEAR(distance(p, {5, 5, 0}), 2, kEps);
        EXPECT_GT(p.x, 6.9); // only the short way round through 0 degrees
    }
    EXPECT_NEAR(std::atan2(pts.front().y - 5, pts.front().x - 5), -10 * std::numbers::pi / 180,
                kEps);
    EXPECT_NEAR(std::atan2(pts.back().y - 5, pts.back().x - 5), 10 * std::numbers::pi / 180, kEps);
}

TEST(BasicGeometry, CircleWithDownwardExtrusionMirrorsX) {
    auto db = db::Database::createNew();
    add(*db, Groups("CIRCLE").point(10, 3, 4, 1).real(40, 1).point(210, 0, 0, -1));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_TRUE(prims[0].closed);
    geom::Box box = geom::extents(prims);
    // The OCS of (0,0,-1) has X pointing to world -X: centre (-3, 4, -1).
    EXPECT_NEAR((box.min.x + box.max.x) / 2, -3, 1e-6);
    EXPECT_NEAR((box.min.y + box.max.y) / 2, 4, 1e-6);
    EXPECT_NEAR(box.min.z, -1, kEps);
    for (const Vec3& p : prims[0].points)
        EXPECT_NEAR(distance(p, {-3, 4, -1}), 1, kEps);
}

TEST(BasicGeometry, PositiveBulgeTurnsCounterClockwise) {
    // From (0,0) to (2,0) a bulge of 1 is a half circle below the chord; -1 above.
    struct Case {
        double bulge;
        double expectedY;
    };
    for (Case c : {Case{1, -1}, Case{-1, 1}}) {
        auto db = db::Database::createNew();
        add(*db, Groups("LWPOLYLINE")
                     .integer(90, 2)
                     .integer(70, 0)
                     .point2(10, 0, 0)
                     .real(42, c.bulge)
                     .point2(10, 2, 0));
        auto prims = draw(*db);
        ASSERT_EQ(prims.size(), 1u);
        geom::Box box = geom::extents(prims);
        double extreme = c.expectedY < 0 ? box.min.y : box.max.y;
        EXPECT_NEAR(extreme, c.expectedY, 1e-3) << "bulge " << c.bulge;
        for (const Vec3& p : prims[0].points)
            EXPECT_NEAR(distance(p, {1, 0, 0}), 1, kEps);
    }
}

TEST(BasicGeometry, PolylineWidths) {
    auto db = db::Database::createNew();
    // Constant width: one wide polyline.
    add(*db, Groups("LWPOLYLINE").integer(90, 2).real(43, 0.5).point2(10, 0, 0).point2(10, 10, 0));
    // Tapering: a filled band per wide segment.
    add(*db, Groups("LWPOLYLINE")
                 .integer(90, 3)
                 .point2(10, 0, 5)
                 .real(40, 0)
                 .real(41, 2)
                 .point2(10, 10, 5)
                 .real(40, 0)
                 .real(41, 0)
                 .point2(10, 20, 5));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 3u);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::Polyline);
    EXPECT_DOUBLE_EQ(prims[0].width, 0.5);
    EXPECT_EQ(prims[1].kind, Primitive::Kind::Fill);
    geom::Box band = geom::extents({prims[1]});
    EXPECT_NEAR(band.min.y, 4, kEps);
    EXPECT_NEAR(band.max.y, 6, kEps);
    EXPECT_EQ(prims[2].kind, Primitive::Kind::Polyline);
    EXPECT_EQ(prims[2].width, 0);
}

TEST(BasicGeometry, OldStylePolylines) {
    auto db = db::Database::createNew();
    auto vertex = [&](db::EntityId owner, double x, double y, double z, int flags = 0) {
        add(*db, Groups("VERTEX").point(10, x, y, z).integer(70, flags), 0, owner);
    };
    // 2D, closed, with a default width: vertex Z gives way to the elevation.
    auto flat =
        add(*db, Groups("POLYLINE").point(10, 0, 0, 7).integer(70, 1).real(40, 1).real(41, 1));
    vertex(flat, 0, 0, 0);
    vertex(flat, 4, 0, 0);
    vertex(flat, 4, 3, 0);
    add(*db, Groups("SEQEND"), 0, flat);
    // 3D.
    auto spatial = add(*db, Groups("POLYLINE").integer(70, 8));
    vertex(spatial, 0, 0, 0, 32);
    vertex(spatial, 1, 1, 5, 32);
    add(*db, Groups("SEQEND"), 0, spatial);
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 2u);
    EXPECT_TRUE(prims[0].closed);
    EXPECT_DOUBLE_EQ(prims[0].width, 1);
    ASSERT_EQ(prims[0].points.size(), 3u);
    EXPECT_DOUBLE_EQ(prims[0].points[2].z, 7);
    ASSERT_EQ(prims[1].points.size(), 2u);
    EXPECT_DOUBLE_EQ(prims[1].points[1].z, 5);
}

TEST(BasicGeometry, VerticesMadeOutOfOrderStillBelong) {
    auto db = db::Database::createNew();
    auto pline = add(*db, Groups("POLYLINE").integer(70, 0));
    add(*db, Groups("LINE").point(10, 0, 0).point(11, 1, 1));
    add(*db, Groups("VERTEX").point(10, 0, 0), 0, pline);
    add(*db, Groups("VERTEX").point(10, 5, 0), 0, pline);
    std::vector<Primitive> prims;
    geom::explode(*db, pline, prims);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].points.size(), 2u);
}

TEST(BasicGeometry, PolyfaceFacesAreClosedOutlines) {
    auto db = db::Database::createNew();
    auto mesh = add(*db, Groups("POLYLINE").integer(70, 64).integer(71, 4).integer(72, 2));
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
        add(*db, Groups("VERTEX").point(10, x, y, 0).integer(70, 192), 0, mesh);
    add(*db,
        Groups("VERTEX")
            .point(10, 0, 0, 0)
            .integer(70, 128)
            .integer(71, 1)
            .integer(72, 2)
            .integer(73, -3),
        0, mesh);
    add(*db,
        Groups("VERTEX")
            .point(10, 0, 0, 0)
            .integer(70, 128)
            .integer(71, 1)
            .integer(72, 3)
            .integer(73, 4),
        0, mesh);
    add(*db, Groups("SEQEND"), 0, mesh);
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 2u);
    for (const auto& p : prims) {
        EXPECT_TRUE(p.closed);
        EXPECT_EQ(p.points.size(), 3u);
    }
    EXPECT_NEAR(distance(prims[1].points[2], {0, 1, 0}), 0, kEps);
}

TEST(BasicGeometry, SolidCornersRunOneTwoFourThree) {
    auto db = db::Database::createNew();
    add(*db, Groups("SOLID").point(10, 0, 0).point(11, 1, 0).point(12, 0, 1).point(13, 1, 1));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::Fill);
    ASSERT_EQ(prims[0].points.size(), 4u);
    EXPECT_NEAR(distance(prims[0].points[2], {1, 1, 0}), 0, kEps);
    EXPECT_NEAR(distance(prims[0].points[3], {0, 1, 0}), 0, kEps);
}

TEST(BasicGeometry, EllipseAndSplineStayOnTheirCurves) {
    auto db = db::Database::createNew();
    add(*db, Groups("ELLIPSE").point(10, 0, 0).point(11, 4, 0).real(40, 0.5).real(41, 0).real(
                 42, 2 * std::numbers::pi));
    // A clamped quadratic B-spline through (0,0) .. (2,0) with control (1,2).
    add(*db, Groups("SPLINE")
                 .integer(71, 2)
                 .real(40, 0)
                 .real(40, 0)
                 .real(40, 0)
                 .real(40, 1)
                 .real(40, 1)
                 .real(40, 1)
                 .point(10, 0, 0)
                 .point(10, 1, 2)
                 .point(10, 2, 0));
    auto prims = draw(*db);
    ASSERT_EQ(prims.size(), 2u);
    EXPECT_TRUE(prims[0].closed);
    for (const Vec3& p : prims[0].points)
        EXPECT_NEAR(p.x * p.x / 16 + p.y * p.y / 4, 1, 1e-9);
    const auto& spline = prims[1].points;
    EXPECT_NEAR(distance(spline.front(), {0, 0, 0}), 0, kEps);
    EXPECT_NEAR(distance(spline.back(), {2, 0, 0}), 0, kEps);
    EXPECT_NEAR(geom::extents({prims[1]}).max.y, 1, 1e-9); // the apex of this parabola
}

} // namespace
