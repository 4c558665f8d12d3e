// acdbEntMod: a changed list replaces the entity's data (new layers made on
// the way), table entries change through their object names, and every
// refusal returns RTERROR with its ERRNO and leaves the object as it was.
#include "ads_fixture.h"
#include "host/db/ename.h"

#include <cstdlib>
#include <functional>

namespace vma::test {
namespace {

using AdsEntMod = AdsTest;

void setText(resbuf* list, int code, const wchar_t* text) {
    resbuf* rb = const_cast<resbuf*>(findGroup(list, code));
    ASSERT_NE(rb, nullptr);
    std::free(rb->resval.rstring);
    rb->resval.rstring = mallocWide(text);
}

// Takes the first buffer with the code out of the list.
void remove(resbuf* list, int code) {
    for (resbuf* rb = list; rb->rbnext; rb = rb->rbnext) {
        if (rb->rbnext->restype != code)
            continue;
        resbuf* gone = rb->rbnext;
        rb->rbnext = gone->rbnext;
        gone->rbnext = nullptr;
        acutRelRb(gone);
        return;
    }
}

void insertAfter(resbuf* list, int code, resbuf* rb) {
    resbuf* at = const_cast<resbuf*>(findGroup(list, code));
    rb->rbnext = at->rbnext;
    at->rbnext = rb;
}

class AdsEntModLine : public AdsTest {
protected:
    void SetUp() override {
        AdsTest::SetUp();
        ads_point a = {0, 0, 0}, b = {3, 4, 0};
        host::RbList in(acutBuildList(RTDXF0, L"LINE", 8, L"A", 10, a, 11, b, 0));
        ASSERT_EQ(acdbEntMakeX(in.get(), line), RTNORM);
    }
    const db::Entity& stored() { return db().entity(host::resolveEntity(line)->index); }

    ads_name line;
};

TEST_F(AdsEntModLine, ChangedListReplacesTheData) {
    host::RbList list = entget(line);
    setText(list.get(), 8, L"Nieuw");
    const_cast<resbuf*>(findGroup(list.get(), 11))->resval.rpoint[X] = 9;
    db::Handle handle = stored().handle;
    ASSERT_EQ(acdbEntMod(list.get()), RTNORM);
    EXPECT_EQ(stored().groups.findText(8), "Nieuw");
    EXPECT_EQ(stored().groups.findReal(11), 9.0);
    EXPECT_EQ(stored().handle, handle);
    EXPECT_TRUE(db().findRecord(db::TableKind::Layer, "NIEUW"));
    EXPECT_EQ(countGroups(entget(line).get(), 100), 2u); // markers are not stored twice
}

TEST_F(AdsEntModLine, RefusalsLeaveTheEntityAlone) {
    struct Case {
        const char* what;
        std::function<void(resbuf*)> change;
        int errnoValue;
    };
    const Case cases[] = {
        {"another type", [](resbuf* l) { setText(l, 0, L"CIRCLE"); }, 24},
        {"another handle", [](resbuf* l) { setText(l, 5, L"ABCDE"); }, 33},
        {"a missing end point", [](resbuf* l) { remove(l, 11); }, 47},
        {"an unknown linetype", [](resbuf* l) { insertAfter(l, 5, acutBuildList(6, L"NONE", 0)); },
         26},
        {"no name", [](resbuf* l) { l->resval.rlname[0] = 0; }, 2},
        {"a forged name", [](resbuf* l) { l->resval.rlname[1] = 987654; }, 2},
    };
    db::GroupList before = stored().groups;
    for (const Case& c : cases) {
        host::RbList list = entget(line);
        c.change(list.get());
        EXPECT_EQ(acdbEntMod(list.get()), RTERROR) << c.what;
        EXPECT_EQ(lastErrno(), c.errnoValue) << c.what;
        EXPECT_EQ(stored().groups, before) << c.what;
    }
}

TEST_F(AdsEntModLine, ErasedEntityCannotChange) {
    host::RbList list = entget(line);
    ASSERT_EQ(acdbEntDel(line), RTNORM);
    EXPECT_EQ(acdbEntMod(list.get()), RTERROR);
    EXPECT_EQ(lastErrno(), 31);
}

TEST_F(AdsEntMod, SeqendCannotChangeButVerticesCan) {
    const ads_point a = {0, 0, 0}, b = {1, 0, 0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, a, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, b, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"SEQEND", 0)), RTNORM);
    ads_name name;
    ASSERT_EQ(acdbEntNext(nullptr, name), RTNORM);
    ASSERT_EQ(acdbEntNext(name, name), RTNORM);
    host::RbList vertex = entget(name);
    const_cast<resbuf*>(findGroup(vertex.get(), 10))->resval.rpoint[Y] = 5;
    EXPECT_EQ(acdbEntMod(vertex.get()), RTNORM);
    EXPECT_EQ(db().entity(1).groups.findReal(20), 5.0);

    ASSERT_EQ(acdbEntNext(name, name), RTNORM);
    ASSERT_EQ(acdbEntNext(name, name), RTNORM);
    host::RbList end = entget(name);
    EXPECT_EQ(textOf(end.get(), 0), L"SEQEND");
    EXPECT_EQ(acdbEntMod(end.get()), RTERROR);
    EXPECT_EQ(lastErrno(), 32);
}

TEST_F(AdsEntMod, TableEntryChangesThroughItsObjectName) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LAYER", 2, L"Palen", 70, 0, 62, 1, 0)), RTNORM);
    ads_name layer;
    ASSERT_EQ(acdbTblObjName(L"LAYER", L"PALEN", layer), RTNORM);
    host::RbList list = entget(layer);
    EXPECT_EQ(textOf(list.get(), 0), L"LAYER");
    const_cast<resbuf*>(findGroup(list.get(), 62))->resval.rint = 3;
    ASSERT_EQ(acdbEntMod(list.get()), RTNORM);
    host::RbList entry(acdbTblSearch(L"LAYER", L"Palen", 0));
    EXPECT_EQ(findGroup(entry.get(), 62)->resval.rint, 3);
    EXPECT_EQ(countGroups(entry.get(), 100), 0u);

    setText(list.get(), 2, L"0"); // the name of another layer
    EXPECT_EQ(acdbEntMod(list.get()), RTERROR);
    EXPECT_EQ(lastErrno(), 1);
}

TEST_F(AdsEntMod, BlockDefinitionChangesOnlyThroughItsEntities) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"B", 70, 0, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
    ads_name block;
    ASSERT_EQ(acdbTblObjName(L"BLOCK", L"B", block), RTNORM);
    host::RbList list = entget(block);
    EXPECT_EQ(textOf(list.get(), 0), L"BLOCK");
    EXPECT_EQ(acdbEntMod(list.get()), RTERROR);
    EXPECT_EQ(lastErrno(), 5);
}

} // namespace
} // namespace vma::test
