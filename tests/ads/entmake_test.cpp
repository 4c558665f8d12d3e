// acdbEntMake and acdbEntMakeX with simple entities: which lists are refused
// and with what ERRNO, the defaults filled in (layer, current layer, new
// layers), where the entity goes, and the list acdbEntGet gives back.
#include "ads_fixture.h"
#include "host/db/ename.h"

#include <functional>

namespace vma::test {
namespace {

using AdsEntMake = AdsTest;

const ads_point kOrigin = {0, 0, 0};
const ads_point kOne = {1, 1, 0};

TEST_F(AdsEntMake, RefusesListsTheCadProgramRefuses) {
    struct Case {
        const char* what;
        std::function<resbuf*()> list;
        int errnoValue;
    };
    const ads_point zero = {0, 0, 0};
    const Case cases[] = {
        {"line without its end", [] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 0); }, 47},
        {"circle of radius 0",
         [] { return acutBuildList(RTDXF0, L"CIRCLE", 10, kOrigin, 40, 0.0, 0); }, 30},
        {"text without its string",
         [] { return acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 40, 2.5, 0); }, 47},
        {"text in a style the drawing lacks",
         [] {
             return acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 40, 2.5, 1, L"a", 7, L"NONE", 0);
         },
         28},
        {"insert of a block the drawing lacks",
         [] { return acutBuildList(RTDXF0, L"INSERT", 2, L"NONE", 10, kOrigin, 0); }, 39},
        {"unknown linetype",
         [] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 6, L"NONE", 0); }, 26},
        {"color out of range",
         [] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 62, 300, 0); }, 27},
        {"zero extrusion",
         [&] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 210, zero, 0); }, 42},
        {"bad layer name",
         [] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 8, L"a*b", 0); }, 25},
        {"viewport", [] { return acutBuildList(RTDXF0, L"VIEWPORT", 10, kOrigin, 0); }, 54},
        {"unknown type", [] { return acutBuildList(RTDXF0, L"GADGET", 10, kOrigin, 0); }, 36},
        {"type not first",
         [] { return acutBuildList(8, L"0", RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0); }, 36},
        {"vertex on its own", [] { return acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0); }, 36},
        {"seqend on its own", [] { return acutBuildList(RTDXF0, L"SEQEND", 0); }, 36},
        {"endblk on its own", [] { return acutBuildList(RTDXF0, L"ENDBLK", 0); }, 5},
    };
    for (const Case& c : cases) {
        size_t before = db().entityCount();
        EXPECT_EQ(make(c.list()), RTREJ) << c.what;
        EXPECT_EQ(lastErrno(), c.errnoValue) << c.what;
        EXPECT_EQ(db().entityCount(), before) << c.what;
    }
}

TEST_F(AdsEntMake, AcceptsTheTypesItKnows) {
    const ads_point far = {5, 0, 0};
    std::function<resbuf*()> lists[] = {
        [] { return acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0); },
        [] { return acutBuildList(RTDXF0, L"CIRCLE", 10, kOrigin, 40, 1.0, 0); },
        [] { return acutBuildList(RTDXF0, L"POINT", 10, kOrigin, 0); },
        [] { return acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 40, 2.5, 1, L"tekst", 0); },
        [&] { return acutBuildList(RTDXF0, L"SOLID", 10, kOrigin, 11, kOne, 12, far, 0); },
        [] { return acutBuildList(RTDXF0, L"LWPOLYLINE", 90, 2, 10, kOrigin, 10, kOne, 0); },
        [] { return acutBuildList(RTDXF0, L"line", 10, kOrigin, 11, kOne, 0); },
    };
    for (auto& list : lists)
        EXPECT_EQ(make(list()), RTNORM) << lastErrno();
    EXPECT_EQ(db().entityCount(), std::size(lists));
    EXPECT_EQ(db().entity(6).type(), "LINE");
}

TEST_F(AdsEntMake, FillsInTheLayer) {
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0)), RTNORM);
    EXPECT_EQ(db().entity(0).groups.findText(8), "0");

    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LAYER", 2, L"Current", 70, 0, 0)), RTNORM);
    db::GroupList clayer;
    clayer.addText(8, "Current");
    db().setHeaderValue("CLAYER", clayer);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0)), RTNORM);
    EXPECT_EQ(db().entity(1).groups.findText(8), "Current");

    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 8, L"Nieuw", 10, kOrigin, 11, kOne, 0)), RTNORM);
    auto layer = db().findRecord(db::TableKind::Layer, "NIEUW");
    ASSERT_TRUE(layer);
    EXPECT_EQ(db().record(db::TableKind::Layer, *layer).groups.findInt(62), 7);
    EXPECT_EQ(db().record(db::TableKind::Layer, *layer).groups.findText(6), "Continuous");
}

TEST_F(AdsEntMake, EntGetGivesNameTypeOwnerAndHandleFirst) {
    ads_name line;
    host::RbList in(acutBuildList(RTDXF0, L"LINE", 5, L"FFFF", 8, L"A", 10, kOrigin, 11, kOne, 0));
    ASSERT_EQ(acdbEntMakeX(in.get(), line), RTNORM);
    auto ref = host::resolveEntity(line);
    ASSERT_TRUE(ref);
    const db::Entity& e = db().entity(ref->index);
    EXPECT_NE(e.handle, db::Handle(0xFFFF)); // the database gives handles

    host::RbList out = entget(line);
    const resbuf* rb = out.get();
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, -1);
    EXPECT_TRUE(ads_name_equal(rb->resval.rlname, line));
    rb = rb->rbnext;
    EXPECT_EQ(rb->restype, 0);
    EXPECT_STREQ(rb->resval.rstring, L"LINE");
    rb = rb->rbnext;
    EXPECT_EQ(rb->restype, 330);
    auto owner = host::resolveName(rb->resval.rlname);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->kind, host::ObjectRef::Kind::Block);
    EXPECT_EQ(owner->index, db().modelSpace());
    rb = rb->rbnext;
    EXPECT_EQ(rb->restype, 5);
    EXPECT_EQ(rb->resval.rstring, utf8ToWide(db::handleText(e.handle)));
    EXPECT_EQ(textOf(out.get(), 8), L"A");
    const resbuf* end = findGroup(out.get(), 11);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->resval.rpoint[X], 1.0);
    EXPECT_EQ(end->resval.rpoint[Y], 1.0);
    EXPECT_EQ(countGroups(out.get(), 21), 0u); // coordinates travel as one point
    EXPECT_EQ(countGroups(out.get(), 100), 2u);
}

TEST_F(AdsEntMake, ListFromEntGetMakesACopy) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 10, kOne, 40, 2.0, 62, 1, 0)), RTNORM);
    ads_name first, copy;
    ASSERT_EQ(acdbEntLast(first), RTNORM);
    host::RbList list = entget(first);
    ASSERT_EQ(acdbEntMakeX(list.get(), copy), RTNORM);
    EXPECT_FALSE(ads_name_equal(first, copy));
    EXPECT_EQ(db().entityCount(), 2u);
    EXPECT_EQ(db().entity(1).groups.findReal(40), 2.0);
    EXPECT_EQ(db().entity(1).groups.findInt(62), 1);
    EXPECT_NE(db().entity(0).handle, db().entity(1).handle);
}

TEST_F(AdsEntMake, SpaceFlagPutsTheEntityInPaperSpace) {
    ads_name name;
    host::RbList in(acutBuildList(RTDXF0, L"POINT", 67, 1, 10, kOrigin, 0));
    ASSERT_EQ(acdbEntMakeX(in.get(), name), RTNORM);
    auto ref = host::resolveEntity(name);
    ASSERT_TRUE(ref);
    EXPECT_EQ(db().entity(ref->index).block, db().paperSpace());
    host::RbList out = entget(name);
    ASSERT_NE(findGroup(out.get(), 67), nullptr);
    EXPECT_EQ(findGroup(out.get(), 67)->resval.rint, 1);
}

} // namespace
} // namespace vma::test
