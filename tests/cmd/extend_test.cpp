// EXTEND: boundary edges chosen or all objects (Enter), then objects picked
// near the end that moves. Lines, arcs and open polylines (straight and
// bulged end segments) reach each kind of boundary (lines, circles, arcs,
// polylines); the Edge option lets boundaries count as extended, Fence
// picks by crossing, Undo takes the last extension back, and objects that
// reach nothing stay as they were.
#include "drafting_fixture.h"
#include "host/base/text.h"

#include <cmath>
#include <numbers>

namespace vma::test {
namespace {

class ExtendTest : public DraftingTest {
protected:
    // EXTEND with boundaries picked at the points (none: all objects), then
    // the objects picked at the points, then Enter.
    void extend(std::initializer_list<std::array<double, 2>> boundaries,
                std::initializer_list<std::array<double, 2>> objects) {
        for (const auto& p : boundaries)
            driver->pick(p[0], p[1]);
        driver->enter();
        for (const auto& p : objects)
            driver->pick(p[0], p[1]);
        driver->enter();
        run(L"EXTEND");
    }
    const db::GroupList& entity(size_t index) {
        return groups(db().block(db().modelSpace()).entities.at(index));
    }
    static void polyline(std::initializer_list<std::array<double, 3>> vertices) {
        resbuf* head =
            acutBuildList(RTDXF0, L"LWPOLYLINE", 100, L"AcDbEntity", 100, L"AcDbPolyline", 90,
                          static_cast<int>(vertices.size()), 70, 0, 0);
        resbuf* tail = head;
        while (tail->rbnext)
            tail = tail->rbnext;
        for (const auto& v : vertices) {
            ads_point p = {v[0], v[1], 0};
            tail->rbnext = acutBuildList(10, p, 42, v[2], 0);
            while (tail->rbnext)
                tail = tail->rbnext;
        }
        make(head);
    }
};

void expectPoint(const std::array<double, 3>& p, double x, double y) {
    EXPECT_NEAR(p[0], x, 1e-9);
    EXPECT_NEAR(p[1], y, 1e-9);
}

TEST_F(ExtendTest, LineReachesALine) {
    line(100, -50, 100, 50);
    line(0, 0, 50, 0);
    extend({{100, 0}}, {{45, 0}});
    expectPoint(pointOf(entity(1), 10), 0, 0);
    expectPoint(pointOf(entity(1), 11), 100, 0);
    for (std::wstring_view prompt :
         {L"Select boundary edges ...", L"Select objects or <select all>: ",
          L"Select object to extend or shift-select to trim "
          L"or\n[Fence/Crossing/Project/Edge/Undo]: "})
        EXPECT_NE(transcript().find(prompt), std::wstring::npos) << wideToUtf8(prompt);
}

TEST_F(ExtendTest, EachBoundaryKind) {
    circle(-50, 0, 10);
    arc(100, 0, 20, 90, 270);
    polyline({{{0, 30, 0}}, {{10, 30, 0}}, {{20, 40, 0}}});
    line(0, 0, 50, 0);
    line(5, 10, 5, 20);
    extend({{-40, 0}, {80, 0}, {5, 30}}, {{5, 0}, {45, 0}, {5, 19}});
    expectPoint(pointOf(entity(3), 10), -40, 0);
    expectPoint(pointOf(entity(3), 11), 80, 0);
    expectPoint(pointOf(entity(4), 11), 5, 30);
}

TEST_F(ExtendTest, ArcTurnsOnToTheBoundary) {
    arc(0, 0, 10, 0, 90);
    line(-20, -5, 20, -5);
    extend({{0, -5}}, {{10, 0}});
    EXPECT_NEAR(*entity(0).findReal(50), 330, 1e-9);
    EXPECT_NEAR(*entity(0).findReal(51), 90, 1e-9);
}

TEST_F(ExtendTest, PolylineEndSegments) {
    polyline({{{0, 0, 0}}, {{10, 0, 0}}, {{10, 10, 0}}});
    line(-5, 30, 25, 30);
    extend({{0, 30}}, {{10, 9}});
    std::vector<double> ys;
    const db::GroupList& g = entity(0);
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == 20)
            ys.push_back(g.real(i));
    ASSERT_EQ(ys.size(), 3u);
    EXPECT_NEAR(ys[2], 30, 1e-9);
}

TEST_F(ExtendTest, BulgedEndFollowsItsArc) {
    // A quarter circle about the origin from (10,0) to (0,10), then on to the
    // line y = -x: the arc turns a further 45 degrees.
    polyline({{{10, 0, std::tan(std::numbers::pi / 8)}}, {{0, 10, 0}}});
    line(-20, 20, 0, 0);
    double near = 80 * std::numbers::pi / 180; // on the arc, nearer its end
    extend({{-10, 10}}, {{10 * std::cos(near), 10 * std::sin(near)}});
    const db::GroupList& g = entity(0);
    std::vector<double> xs, bulges;
    for (size_t i = 0; i < g.size(); ++i) {
        if (g[i].code == 10)
            xs.push_back(g.real(i));
        if (g[i].code == 42)
            bulges.push_back(g.real(i));
    }
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs[1], -10 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(bulges[0], std::tan(3 * std::numbers::pi / 16), 1e-9);
}

TEST_F(ExtendTest, EnterTakesEveryObjectAsBoundary) {
    line(0, 0, 10, 0);
    line(20, -5, 20, 5);
    extend({}, {{9, 0}});
    expectPoint(pointOf(entity(0), 11), 20, 0);
}

TEST_F(ExtendTest, EdgeModeCountsBoundariesAsExtended) {
    line(100, 10, 100, 20);
    line(0, 0, 50, 0);
    extend({{100, 15}}, {{45, 0}});
    expectPoint(pointOf(entity(1), 11), 50, 0);
    EXPECT_NE(transcript().find(L"Object does not intersect an edge."), std::wstring::npos);

    driver->pick(100, 15);
    driver->enter();
    answers({L"_E", L"_E"});
    driver->pick(45, 0);
    driver->enter();
    run(L"EXTEND");
    expectPoint(pointOf(entity(1), 11), 100, 0);
}

TEST_F(ExtendTest, FenceAndUndo) {
    line(100, -50, 100, 50);
    line(0, 0, 50, 0);
    line(0, 10, 50, 10);
    driver->pick(100, 0);
    driver->enter();
    answers({L"_F", L"40,-1", L"40,11", L"", L"_U"});
    driver->enter();
    run(L"EXTEND");
    expectPoint(pointOf(entity(1), 11), 100, 0);
    expectPoint(pointOf(entity(2), 11), 50, 10);
}

TEST_F(ExtendTest, ReachingNothingChangesNothing) {
    line(0, 0, 50, 0);
    line(60, 10, 60, 20);
    circle(200, 200, 5);
    extend({{60, 15}}, {{45, 0}, {205, 200}});
    expectPoint(pointOf(entity(0), 11), 50, 0);
    EXPECT_NE(transcript().find(L"Cannot EXTEND this object."), std::wstring::npos);
}

} // namespace
} // namespace vma::test
