// Angles across the ADS edge: entmake and entmod take radians and the
// database keeps degrees, entget gives radians back, DXF keeps the degrees,
// and selection filters compare in radians; the groups that are no angle (or
// that the program hands out in other units) pass unchanged.
#include "ads_fixture.h"
#include "host/db/angles.h"
#include "host/db/ename.h"
#include "host/dxf/dxf.h"

#include <numbers>

namespace vma::test {
namespace {

using AdsAngles = AdsTest;

constexpr double kHalfPi = std::numbers::pi / 2;
const ads_point kOrigin = {0, 0, 0};

double realOf(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    return rb ? rb->resval.rreal : -1;
}

int makeArc(double start, double end) {
    return make(acutBuildList(RTDXF0, L"ARC", 10, kOrigin, 40, 1.0, 50, start, 51, end, 0));
}

TEST(AngleCodes, FollowTheTypeOfTheObject) {
    struct Case {
        const char* type;
        int code;
        bool angle;
    };
    const Case cases[] = {
        {"ARC", 50, true},      {"ARC", 51, true},       {"arc", 50, true},    {"TEXT", 51, true},
        {"INSERT", 50, true},   {"DIMENSION", 53, true}, {"HATCH", 52, true},  {"HATCH", 50, true},
        {"STYLE", 50, true},    {"VPORT", 51, true},     {"MTEXT", 50, false}, {"HATCH", 53, false},
        {"ELLIPSE", 41, false}, {"ARC", 40, false},      {"LINE", 59, false},  {"ARC", 49, false},
        {"", 1040, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db::isAngleCode(c.type, c.code), c.angle) << c.type << " " << c.code;
}

TEST_F(AdsAngles, EntMakeStoresDegreesAndEntGetGivesRadians) {
    ASSERT_EQ(makeArc(kHalfPi, std::numbers::pi), RTNORM);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(50), 90.0);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(51), 180.0);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(40), 1.0);

    ads_name arc;
    ASSERT_EQ(acdbEntLast(arc), RTNORM);
    host::RbList list = entget(arc);
    EXPECT_DOUBLE_EQ(realOf(list.get(), 50), kHalfPi);
    EXPECT_DOUBLE_EQ(realOf(list.get(), 51), std::numbers::pi);
}

TEST_F(AdsAngles, EntModConvertsAsEntMakeDoes) {
    ASSERT_EQ(makeArc(0, kHalfPi), RTNORM);
    ads_name arc;
    ASSERT_EQ(acdbEntLast(arc), RTNORM);
    host::RbList list = entget(arc);
    resbuf* start = const_cast<resbuf*>(findGroup(list.get(), 50));
    start->resval.rreal = std::numbers::pi / 4;
    ASSERT_EQ(acdbEntMod(list.get()), RTNORM);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(50), 45.0);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(51), 90.0);
}

TEST_F(AdsAngles, MtextRotationStaysInRadians) {
    ASSERT_EQ(
        make(acutBuildList(RTDXF0, L"MTEXT", 10, kOrigin, 40, 2.5, 1, L"tekst", 50, kHalfPi, 0)),
        RTNORM);
    EXPECT_DOUBLE_EQ(*db().entity(0).groups.findReal(50), kHalfPi);
}

TEST_F(AdsAngles, TableRecordsConvertTheirAngles) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"STYLE", 2, L"Schuin", 70, 0, 40, 0.0, 41, 1.0, 50,
                                 std::numbers::pi / 12, 3, L"txt", 0)),
              RTNORM);
    auto index = db().findRecord(db::TableKind::Style, "SCHUIN");
    ASSERT_TRUE(index);
    EXPECT_DOUBLE_EQ(*db().record(db::TableKind::Style, *index).groups.findReal(50), 15.0);
    host::RbList found(acdbTblSearch(L"STYLE", L"Schuin", 0));
    EXPECT_DOUBLE_EQ(realOf(found.get(), 50), std::numbers::pi / 12);
}

TEST_F(AdsAngles, DxfKeepsTheDegrees) {
    ASSERT_EQ(makeArc(kHalfPi, std::numbers::pi), RTNORM);
    std::string text;
    dxf::write(db(), text);
    EXPECT_NE(text.find("\r\n 50\r\n90"), std::string::npos);
    auto read = dxf::read(text);
    ASSERT_TRUE(read.ok());
    const db::Database& back = *read->db;
    bool found = false;
    for (db::EntityId id = 0; id < back.entityCount(); ++id) {
        if (back.entity(id).type() != "ARC")
            continue;
        found = true;
        EXPECT_DOUBLE_EQ(*back.entity(id).groups.findReal(50), 90.0);
    }
    EXPECT_TRUE(found);
}

TEST_F(AdsAngles, FilterComparesInRadians) {
    ASSERT_EQ(makeArc(0.5, 2.0), RTNORM);     // starts below 1 radian
    ASSERT_EQ(makeArc(kHalfPi, 3.0), RTNORM); // above
    ASSERT_EQ(makeArc(2.5, 3.0), RTNORM);     // above
    host::RbList filter(acutBuildList(-4, L">", 50, 1.0, 0));
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, filter.get(), ss), RTNORM);
    Int32 length = 0;
    ASSERT_EQ(acedSSLength(ss, &length), RTNORM);
    EXPECT_EQ(length, 2);
    for (Int32 i = 0; i < length; ++i) {
        ads_name member;
        ASSERT_EQ(acedSSName(ss, i, member), RTNORM);
        auto ref = host::resolveEntity(member);
        ASSERT_TRUE(ref);
        EXPECT_GT(*db().entity(ref->index).groups.findReal(50), 57.3);
    }
    acedSSFree(ss);
}

} // namespace
} // namespace vma::test
