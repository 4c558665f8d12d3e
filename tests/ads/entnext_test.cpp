// Walking and finding entities: acdbEntNext over model and paper space with
// sub-entities and erased entities, inside a block definition, acdbEntLast,
// acdbEntDel's toggle and acdbHandEnt.
#include "ads_fixture.h"
#include "host/db/ename.h"

#include <vector>

namespace vma::test {
namespace {

const ads_point kOrigin = {0, 0, 0};
const ads_point kOne = {1, 1, 0};

// A drawing with a line, a polyline of two vertices, a circle in paper space
// and a block definition holding a point and a line.
class AdsWalk : public AdsTest {
protected:
    void SetUp() override {
        AdsTest::SetUp();
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"B", 70, 0, 10, kOrigin, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"POINT", 10, kOrigin, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, kOne, 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"SEQEND", 0)), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 67, 1, 10, kOrigin, 40, 1.0, 0)), RTNORM);
    }

    std::vector<std::string> walk(const ads_name from) {
        std::vector<std::string> types;
        ads_name name;
        int status = acdbEntNext(from, name);
        for (; status == RTNORM; status = acdbEntNext(name, name))
            types.emplace_back(db().entity(host::resolveEntity(name)->index).type());
        return types;
    }

    void nameOfType(std::string_view type, ads_name out) {
        for (db::EntityId id = 0; id < db().entityCount(); ++id)
            if (db().entity(id).type() == type && db().block(db().entity(id).block).isLayout()) {
                host::entityName(db(), id, out);
                return;
            }
        FAIL() << "no " << type;
    }
};

using Types = std::vector<std::string>;

TEST_F(AdsWalk, NextGoesThroughTheDrawingWithSubEntities) {
    EXPECT_EQ(walk(nullptr), (Types{"LINE", "POLYLINE", "VERTEX", "VERTEX", "SEQEND", "CIRCLE"}));
    ads_name nil = {0, 0};
    EXPECT_EQ(walk(nil).size(), 6u);
}

TEST_F(AdsWalk, ErasedEntitiesAreSkippedWithTheirParts) {
    ads_name polyline, circle;
    nameOfType("POLYLINE", polyline);
    nameOfType("CIRCLE", circle);
    ASSERT_EQ(acdbEntDel(polyline), RTNORM);
    EXPECT_EQ(walk(nullptr), (Types{"LINE", "CIRCLE"}));
    ASSERT_EQ(acdbEntDel(circle), RTNORM);
    EXPECT_EQ(walk(nullptr), (Types{"LINE"}));
    EXPECT_EQ(entget(circle).get(), nullptr);

    ASSERT_EQ(acdbEntDel(polyline), RTNORM); // a second call brings it back
    EXPECT_EQ(walk(nullptr), (Types{"LINE", "POLYLINE", "VERTEX", "VERTEX", "SEQEND"}));
}

TEST_F(AdsWalk, LastIsTheLastMainEntity) {
    ads_name last, circle;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    nameOfType("CIRCLE", circle);
    EXPECT_TRUE(ads_name_equal(last, circle));
    ASSERT_EQ(acdbEntDel(circle), RTNORM);
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    EXPECT_EQ(db().entity(host::resolveEntity(last)->index).type(), "POLYLINE");
}

TEST_F(AdsWalk, SubEntityCannotBeErasedAlone) {
    ads_name polyline, vertex;
    nameOfType("POLYLINE", polyline);
    ASSERT_EQ(acdbEntNext(polyline, vertex), RTNORM);
    EXPECT_EQ(acdbEntDel(vertex), RTERROR);
    EXPECT_FALSE(db().entity(host::resolveEntity(vertex)->index).erased);
}

TEST_F(AdsWalk, InsideABlockDefinitionNextEndsWithTheBlock) {
    host::RbList entry(acdbTblSearch(L"BLOCK", L"B", 0));
    const resbuf* first = findGroup(entry.get(), -2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(db().entity(host::resolveEntity(first->resval.rlname)->index).type(), "POINT");
    EXPECT_EQ(walk(first->resval.rlname), (Types{"LINE"}));
}

TEST_F(AdsWalk, HandEntFindsLiveObjects) {
    ads_name line, found;
    nameOfType("LINE", line);
    std::wstring handle = textOf(entget(line).get(), 5);
    ASSERT_EQ(acdbHandEnt(handle.c_str(), found), RTNORM);
    EXPECT_TRUE(ads_name_equal(found, line));

    auto layer = db().findRecord(db::TableKind::Layer, "0");
    std::wstring layerHandle =
        utf8ToWide(db::handleText(db().record(db::TableKind::Layer, *layer).handle));
    ASSERT_EQ(acdbHandEnt(layerHandle.c_str(), found), RTNORM);
    EXPECT_EQ(host::resolveName(found)->kind, host::ObjectRef::Kind::Record);

    ASSERT_EQ(acdbEntDel(line), RTNORM);
    EXPECT_EQ(acdbHandEnt(handle.c_str(), found), RTERROR);
    EXPECT_EQ(acdbHandEnt(L"XYZ", found), RTERROR);
    EXPECT_EQ(acdbHandEnt(L"FFFFFF", found), RTERROR);
    EXPECT_EQ(lastErrno(), 13);
}

TEST_F(AdsTest, EmptyDrawingHasNoEntities) {
    ads_name name;
    EXPECT_EQ(acdbEntNext(nullptr, name), RTERROR);
    EXPECT_EQ(acdbEntLast(name), RTERROR);
    ads_name forged = {12345, 1};
    EXPECT_EQ(acdbEntNext(forged, name), RTERROR);
    EXPECT_EQ(acdbEntUpd(forged), RTERROR);
    EXPECT_EQ(acdbEntDel(forged), RTERROR);
    EXPECT_EQ(lastErrno(), 2);
}

} // namespace
} // namespace vma::test
