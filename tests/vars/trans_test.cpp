// acedTrans with known answers: the UCS of the header, the OCS of an
// extrusion and of an entity (0,0,-1 mirrors X), displacements, round trips
// through an arbitrary extrusion, and the arguments it refuses.
#include "host/db/ename.h"
#include "host/sysvar/access.h"
#include "vars/vars_support.h"

#include <cmath>

using namespace vma;
using test::pointRb;
using test::shortRb;

namespace {

class Trans : public test::FreshSession {
protected:
    void expectTrans(const ads_point in, const resbuf& from, const resbuf& to, int disp,
                     std::array<double, 3> expected) {
        ads_point out;
        ASSERT_EQ(acedTrans(in, &from, &to, disp, out), RTNORM);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(out[i], expected[static_cast<size_t>(i)], 1e-9) << "axis " << i;
    }

    void setUcs(std::array<double, 3> origin, std::array<double, 3> x, std::array<double, 3> y) {
        auto& session = host::Session::get();
        using host::SysvarValue;
        using host::VarType;
        ASSERT_TRUE(host::setSysvarInternal(
            session, "UCSORG",
            SysvarValue::ofPoint(VarType::Point3, origin[0], origin[1], origin[2])));
        ASSERT_TRUE(host::setSysvarInternal(
            session, "UCSXDIR", SysvarValue::ofPoint(VarType::Point3, x[0], x[1], x[2])));
        ASSERT_TRUE(host::setSysvarInternal(
            session, "UCSYDIR", SysvarValue::ofPoint(VarType::Point3, y[0], y[1], y[2])));
    }
};

const resbuf kWcs = shortRb(0);
const resbuf kUcs = shortRb(1);
const resbuf kDcs = shortRb(2);
const resbuf kPsdcs = shortRb(3);

TEST_F(Trans, WithoutAUcsEverySystemIsTheWorld) {
    const ads_point p = {1, 2, 3};
    expectTrans(p, kWcs, kUcs, 0, {1, 2, 3});
    expectTrans(p, kUcs, kDcs, 0, {1, 2, 3});
    expectTrans(p, kDcs, kPsdcs, 0, {1, 2, 3});
}

TEST_F(Trans, TheUcsOfTheHeaderMovesAndTurnsPoints) {
    setUcs({10, 0, 0}, {0, 1, 0}, {-1, 0, 0}); // turned a quarter about Z
    const ads_point p = {10, 5, 1};
    expectTrans(p, kWcs, kUcs, 0, {5, 0, 1});
    expectTrans(p, kWcs, kUcs, 1, {5, -10, 1}); // a displacement is not moved
    const ads_point q = {5, 0, 1};
    expectTrans(q, kUcs, kWcs, 0, {10, 5, 1});
}

TEST_F(Trans, AnExtrusionDownwardsMirrorsX) {
    const resbuf down = pointRb(RT3DPOINT, 0, 0, -1);
    const ads_point p = {3, 4, 5};
    expectTrans(p, kWcs, down, 0, {-3, 4, -5});
    expectTrans(p, down, kWcs, 0, {-3, 4, -5});
}

TEST_F(Trans, AnArbitraryExtrusionRoundTrips) {
    const resbuf tilted = pointRb(RT3DPOINT, 0.3, -0.5, 0.8);
    const ads_point p = {7.5, -2, 11};
    ads_point ocs, back;
    ASSERT_EQ(acedTrans(p, &kWcs, &tilted, 0, ocs), RTNORM);
    EXPECT_GT(std::fabs(ocs[X] - p[X]), 1e-3);
    ASSERT_EQ(acedTrans(ocs, &tilted, &kWcs, 0, back), RTNORM);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(back[i], p[i], 1e-9);
    // The OCS Z of the point is its distance along the extrusion.
    double len = std::sqrt(0.09 + 0.25 + 0.64);
    EXPECT_NEAR(ocs[Z], (7.5 * 0.3 + 2 * 0.5 + 11 * 0.8) / len, 1e-9);
}

TEST_F(Trans, AnEntityNameGivesItsOcs) {
    auto& db = *host::Session::get().current().db;
    db::Entity circle;
    circle.groups.addText(0, "CIRCLE");
    circle.groups.addReal(210, 0);
    circle.groups.addReal(220, 0);
    circle.groups.addReal(230, -1);
    db::EntityId id = db.addEntity(circle);
    resbuf name{};
    name.restype = RTENAME;
    host::entityName(db, id, name.resval.rlname);
    const ads_point centre = {2, 1, 0};
    expectTrans(centre, name, kWcs, 0, {-2, 1, 0});
}

TEST_F(Trans, BadArgumentsAreRefused) {
    const ads_point p = {1, 2, 3};
    ads_point out;
    const resbuf four = shortRb(4);
    const resbuf zero = pointRb(RT3DPOINT, 0, 0, 0);
    const resbuf text = pointRb(RTREAL, 0, 0, 0);
    resbuf stale{};
    stale.restype = RTENAME;
    stale.resval.rlname[0] = 99;
    stale.resval.rlname[1] = 12345;
    struct Case {
        const resbuf* from;
        const resbuf* to;
    };
    const Case cases[] = {{&kPsdcs, &kWcs}, {&kUcs, &kPsdcs}, {&kPsdcs, &kPsdcs}, {&four, &kWcs},
                          {&kWcs, &zero},   {&text, &kWcs},   {&stale, &kWcs}};
    for (const Case& c : cases)
        EXPECT_EQ(acedTrans(p, c.from, c.to, 0, out), RTERROR);
    auto& session = host::Session::get();
    ASSERT_EQ(acedTrans(p, &four, &kWcs, 0, out), RTERROR);
    EXPECT_EQ(session.lastErrno(), 16); // no such space
    ASSERT_EQ(acedTrans(p, &kWcs, &zero, 0, out), RTERROR);
    EXPECT_EQ(session.lastErrno(), 15); // no direction to build an OCS on
    EXPECT_EQ(acedTrans(nullptr, &kWcs, &kUcs, 0, out), RTERROR);
    EXPECT_EQ(acedTrans(p, nullptr, &kUcs, 0, out), RTERROR);
    EXPECT_EQ(acedTrans(p, &kWcs, &kUcs, 0, nullptr), RTERROR);
}

} // namespace
