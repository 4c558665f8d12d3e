// MOVE, COPY, ROTATE and SCALE on every kind of entity the host knows:
// points, heights, rotations, widths and scale factors after a quarter turn
// and a doubling about the origin; OCS entities; copies with new handles and
// their extended data; and the group walk on dimensions and hatches.
#include "cmd_fixture.h"
#include "host/cmd/transform.h"

#include <cmath>
#include <numbers>

namespace vma::test {
namespace {

constexpr double kQuarter = std::numbers::pi / 2;

struct Expect {
    int code;
    double value;
};

class Transform : public CommandTest {
protected:
    // A quarter turn, then twice the size, both about the origin: (x, y) -> (-2y, 2x).
    void turnAndDouble() {
        run(L"ROTATE", {L"ALL", L"", L"0,0", L"90"});
        run(L"SCALE", {L"ALL", L"", L"0,0", L"2"});
    }
    static void check(db::EntityId id, const std::vector<Expect>& expected, const char* what) {
        for (const Expect& e : expected)
            EXPECT_NEAR(real(id, e.code), e.value, 1e-9) << what << " group " << e.code;
    }
};

TEST_F(Transform, EveryEntityKind) {
    ads_point p0 = {0, 0, 0}, p10 = {1, 0, 0}, p20 = {2, 0, 0}, p31 = {3, 1, 0}, p01 = {0, 1, 0},
              p11 = {1, 1, 0}, x = {1, 0, 0};
    struct Case {
        const char* what;
        resbuf* list;
        std::vector<Expect> expected;
    } cases[] = {
        {"LINE", acutBuildList(RTDXF0, L"LINE", 10, p10, 11, p20, 0), {{10, 0}, {20, 2}, {21, 4}}},
        {"POINT", acutBuildList(RTDXF0, L"POINT", 10, p31, 0), {{10, -2}, {20, 6}}},
        {"CIRCLE", acutBuildList(RTDXF0, L"CIRCLE", 10, p10, 40, 1.0, 0), {{20, 2}, {40, 2}}},
        {"ARC",
         acutBuildList(RTDXF0, L"ARC", 10, p10, 40, 1.0, 50, 0.0, 51, kQuarter, 0),
         {{20, 2}, {40, 2}, {50, 90}, {51, 180}}},
        {"SOLID",
         acutBuildList(RTDXF0, L"SOLID", 10, p0, 11, p10, 12, p01, 13, p11, 0),
         {{11, 0}, {21, 2}, {12, -2}, {13, -2}, {23, 2}}},
        {"TEXT",
         acutBuildList(RTDXF0, L"TEXT", 10, p10, 40, 1.0, 1, L"T", 0),
         {{20, 2}, {40, 2}, {50, 90}}},
        {"ATTDEF",
         acutBuildList(RTDXF0, L"ATTDEF", 10, p10, 40, 1.0, 1, L"", 3, L"P", 2, L"TAG", 70, 0, 0),
         {{20, 2}, {40, 2}, {50, 90}}},
        {"MTEXT",
         acutBuildList(RTDXF0, L"MTEXT", 10, p10, 40, 1.0, 11, x, 1, L"M", 0),
         {{20, 2}, {40, 2}, {11, 0}, {21, 1}}},
        {"LWPOLYLINE",
         acutBuildList(RTDXF0, L"LWPOLYLINE", 90, 2, 70, 0, 43, 0.5, 10, p10, 10, p20, 0),
         {{10, 0}, {20, 2}, {43, 1}}},
    };
    for (auto& c : cases)
        make(c.list);
    turnAndDouble();
    auto ids = entities();
    ASSERT_EQ(ids.size(), std::size(cases));
    for (size_t i = 0; i < ids.size(); ++i)
        check(ids[i], cases[i].expected, cases[i].what);
}

TEST_F(Transform, PolylineVertices) {
    ads_point v1 = {1, 0, 0}, v2 = {2, 0, 0}, zero = {0, 0, 0};
    make(acutBuildList(RTDXF0, L"POLYLINE", 10, zero, 66, 1, 70, 0, 0));
    make(acutBuildList(RTDXF0, L"VERTEX", 10, v1, 40, 0.5, 0));
    make(acutBuildList(RTDXF0, L"VERTEX", 10, v2, 0));
    make(acutBuildList(RTDXF0, L"SEQEND", 0));
    turnAndDouble();
    db::EntityId main = entities()[0];
    check(main + 1, {{10, 0}, {20, 2}, {40, 1}}, "first vertex");
    check(main + 2, {{10, 0}, {20, 4}}, "second vertex");
}

TEST_F(Transform, InsertWithAttributes) {
    ads_point zero = {0, 0, 0}, at = {1, 0, 0};
    make(acutBuildList(RTDXF0, L"BLOCK", 2, L"PILE", 70, 2, 10, zero, 0));
    make(acutBuildList(RTDXF0, L"ATTDEF", 10, zero, 40, 1.0, 1, L"", 3, L"P", 2, L"NR", 70, 0, 0));
    host::RbList end(acutBuildList(RTDXF0, L"ENDBLK", 0));
    ASSERT_EQ(acdbEntMake(end.get()), RTKWORD); // a block definition completed
    make(acutBuildList(RTDXF0, L"INSERT", 2, L"PILE", 10, at, 66, 1, 0));
    make(acutBuildList(RTDXF0, L"ATTRIB", 10, at, 40, 1.0, 1, L"7", 2, L"NR", 70, 0, 0));
    make(acutBuildList(RTDXF0, L"SEQEND", 0));
    turnAndDouble();
    db::EntityId insert = entities()[0];
    check(insert, {{20, 2}, {41, 2}, {42, 2}, {43, 2}, {50, 90}}, "INSERT");
    check(insert + 1, {{20, 2}, {40, 2}, {50, 90}}, "ATTRIB");
}

TEST_F(Transform, OcsEntitiesStayValid) {
    ads_point centre = {1, 0, 0}, down = {0, 0, -1};
    make(acutBuildList(RTDXF0, L"CIRCLE", 10, centre, 40, 1.0, 210, down, 0));
    run(L"MOVE", {L"L", L"", L"0,0", L"10,0"});
    // OCS of (0,0,-1) mirrors X: the centre at world -1,0 moves to world 9,0, OCS -9,0.
    check(entities()[0], {{10, -9}, {20, 0}, {230, -1}}, "CIRCLE");
}

TEST_F(Transform, MoveByDisplacement) {
    line(0, 0, 1, 0);
    run(L"MOVE", {L"L", L"", L"D", L"3,4"});
    check(entities()[0], {{10, 3}, {20, 4}, {11, 4}}, "displacement option");
    run(L"MOVE", {L"L", L"", L"1,1", L""});
    check(entities()[0], {{10, 4}, {20, 5}}, "first point as displacement");
    EXPECT_TRUE(said(L"Specify base point or [Displacement] <Displacement>: "));
    EXPECT_TRUE(said(L"Specify second point or <use first point as displacement>: "));
}

TEST_F(Transform, CopiesGetNewHandlesAndKeepExtendedData) {
    ASSERT_EQ(acdbRegApp(L"VMA_TEST"), RTNORM);
    ads_point a = {0, 0, 0}, b = {1, 0, 0}, where = {5, 5, 0};
    make(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, -3, 1001, L"VMA_TEST", 1011, where, 1041, 2.0,
                       0));
    run(L"COPY", {L"L", L"", L"0,0", L"10,0", L"20,0", L"U", L"0,10", L""});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_NE(db().entity(ids[1]).handle, db().entity(ids[0]).handle);
    check(ids[1], {{10, 10}, {1011, 15}}, "first copy");
    check(ids[2], {{10, 0}, {20, 10}, {1021, 15}}, "copy after Undo");
    EXPECT_TRUE(said(L"Current settings:  Copy mode = Multiple\n"));
    EXPECT_TRUE(said(L"Specify second point or [Array/Exit/Undo] <Exit>: "));
}

TEST_F(Transform, CopyArrayAndSingleMode) {
    line(0, 0, 1, 0);
    run(L"COPY", {L"L", L"", L"0,0", L"A", L"4", L"10,0", L""});
    EXPECT_EQ(entities().size(), 4u);
    run(L"COPY", {L"L", L"", L"O", L"S", L"0,0", L"0,5"});
    EXPECT_EQ(entities().size(), 5u);
    EXPECT_EQ(host::getSysvar(host::Session::get(), "COPYMODE")->integer, 1);
}

TEST_F(Transform, RotateAndScaleReferenceAndCopy) {
    line(0, 0, 10, 0);
    run(L"ROTATE", {L"L", L"", L"0,0", L"R", L"0", L"45"});
    EXPECT_NEAR(real(entities()[0], 21), 10 * std::sqrt(0.5), 1e-9);
    run(L"SCALE", {L"L", L"", L"0,0", L"C", L"R", L"10", L"5"});
    auto ids = entities();
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_NEAR(real(ids[1], 21), 5 * std::sqrt(0.5), 1e-9);
    EXPECT_TRUE(said(L"Scaling a copy of the selected objects.\n"));
}

TEST_F(Transform, ScaleRefusesZero) {
    line(0, 0, 1, 0);
    run(L"SCALE", {L"L", L"", L"0,0", L"0", L"3"});
    EXPECT_DOUBLE_EQ(real(entities()[0], 11), 3);
    EXPECT_TRUE(said(L"Value must be positive and nonzero."));
}

db::GroupList build(std::initializer_list<std::pair<int, double>> reals, const char* type) {
    db::GroupList g;
    g.addText(0, type);
    for (auto [code, value] : reals)
        g.addReal(code, value);
    return g;
}

std::vector<double> valuesOf(const db::GroupList& g, int code) {
    std::vector<double> v;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == code)
            v.push_back(g.real(i));
    return v;
}

TEST_F(Transform, DimensionGroups) {
    db::GroupList g = build({{10, 1},
                             {20, 0},
                             {30, 0},
                             {11, 1},
                             {21, 0},
                             {31, 0},
                             {13, 1},
                             {23, 0},
                             {33, 0},
                             {42, 5},
                             {50, 0}},
                            "DIMENSION");
    geom::Matrix m = geom::Matrix::scaling(2, 2, 2) * geom::Matrix::rotationZ(kQuarter);
    db::GroupList out = cmd::transformGroups(g, m, {0, 0, 1}, 0);
    EXPECT_NEAR(*out.findReal(20), 2, 1e-12);
    EXPECT_NEAR(*out.findReal(21), 2, 1e-12);
    EXPECT_NEAR(*out.findReal(23), 2, 1e-12);
    EXPECT_NEAR(*out.findReal(42), 10, 1e-12);
    EXPECT_NEAR(*out.findReal(50), 90, 1e-12);
}

TEST_F(Transform, HatchGroups) {
    db::GroupList g;
    g.addText(0, "HATCH");
    for (auto [c, v] : {std::pair{10, 0.0}, {20, 0.0}, {30, 0.0}})
        g.addReal(c, v);
    g.addInt(91, 1);
    g.addInt(92, 1); // an edge path: one arc
    g.addInt(93, 1);
    g.addInt(72, 2);
    for (auto [c, v] : {std::pair{10, 1.0}, {20, 0.0}, {40, 1.0}, {50, 0.0}, {51, 90.0}})
        g.addReal(c, v);
    g.addInt(73, 1);
    g.addInt(75, 1);
    for (auto [c, v] : {std::pair{52, 0.0}, {41, 1.0}})
        g.addReal(c, v);
    g.addInt(78, 1);
    for (auto [c, v] : {std::pair{53, 45.0}, {43, 1.0}, {44, 0.0}, {45, 0.0}, {46, 1.0}})
        g.addReal(c, v);
    geom::Matrix m = geom::Matrix::scaling(2, 2, 2) * geom::Matrix::rotationZ(kQuarter);
    db::GroupList out = cmd::transformGroups(g, m, {0, 0, 1}, 0);
    EXPECT_NEAR(valuesOf(out, 20)[1], 2, 1e-12);
    EXPECT_NEAR(valuesOf(out, 40)[0], 2, 1e-12);
    EXPECT_NEAR(valuesOf(out, 50)[0], 90, 1e-12);
    EXPECT_NEAR(valuesOf(out, 51)[0], 180, 1e-12);
    EXPECT_NEAR(valuesOf(out, 52)[0], 90, 1e-12);
    EXPECT_NEAR(valuesOf(out, 41)[0], 2, 1e-12);
    EXPECT_NEAR(valuesOf(out, 53)[0], 135, 1e-12);
    EXPECT_NEAR(valuesOf(out, 44)[0], 2, 1e-12);
    EXPECT_NEAR(valuesOf(out, 45)[0], -2, 1e-12);
}

} // namespace
} // namespace vma::test
