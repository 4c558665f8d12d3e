// Complex entities made over several acdbEntMake calls: POLYLINE and INSERT
// sequences, block definitions (named, anonymous, redefined, holding a
// polyline), and the rule that nothing is committed until the end is
// accepted and that a refused part leaves nothing behind.
#include "ads_fixture.h"
#include "host/db/ename.h"

namespace vma::test {
namespace {

using AdsComplex = AdsTest;

const ads_point kOrigin = {0, 0, 0};
const ads_point kOne = {1, 1, 0};

int vertex(double x) {
    ads_point pt = {x, 0, 0};
    return make(acutBuildList(RTDXF0, L"VERTEX", 10, pt, 0));
}

int seqend() {
    return make(acutBuildList(RTDXF0, L"SEQEND", 0));
}

int line() {
    return make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kOne, 0));
}

int beginBlock(const ACHAR* name, int flags = 0) {
    return make(acutBuildList(RTDXF0, L"BLOCK", 2, name, 70, flags, 10, kOrigin, 0));
}

int endBlock() {
    return make(acutBuildList(RTDXF0, L"ENDBLK", 0));
}

TEST_F(AdsComplex, PolylineIsCommittedAtItsSeqend) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 8, L"P", 62, 5, 0)), RTNORM);
    for (double x : {0.0, 4.0, 3.0})
        ASSERT_EQ(vertex(x), RTNORM);
    EXPECT_EQ(db().entityCount(), 0u);
    EXPECT_FALSE(db().findRecord(db::TableKind::Layer, "P"));

    ads_name main;
    host::RbList end(acutBuildList(RTDXF0, L"SEQEND", 0));
    ASSERT_EQ(acdbEntMakeX(end.get(), main), RTNORM);
    ASSERT_EQ(db().entityCount(), 5u);
    auto ref = host::resolveEntity(main);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->index, 0u);
    EXPECT_EQ(db().entity(0).groups.findInt(66), 1);
    for (db::EntityId id = 1; id < 5; ++id) {
        EXPECT_EQ(db().entity(id).parent, 0u);
        EXPECT_EQ(db().entity(id).owner, db().entity(0).handle);
    }
    EXPECT_EQ(db().entity(4).type(), "SEQEND");
    EXPECT_EQ(db().entity(4).groups.findText(8), "P"); // the main entity's layer
    EXPECT_TRUE(db().findRecord(db::TableKind::Layer, "P"));
}

TEST_F(AdsComplex, RefusedPartDiscardsTheWholeEntity) {
    struct Case {
        const char* what;
        int (*intruder)();
        int errnoValue;
    };
    const Case cases[] = {
        {"another entity", line, 37},
        {"a vertex without its point",
         [] { return make(acutBuildList(RTDXF0, L"VERTEX", 70, 0, 0)); }, 47},
        {"a block", [] { return beginBlock(L"B"); }, 5},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
        ASSERT_EQ(vertex(1), RTNORM);
        EXPECT_EQ(c.intruder(), RTREJ) << c.what;
        EXPECT_EQ(lastErrno(), c.errnoValue) << c.what;
        EXPECT_EQ(seqend(), RTREJ) << c.what; // nothing is under construction any more
        EXPECT_EQ(db().entityCount(), 0u) << c.what;
    }
}

TEST_F(AdsComplex, PolylineNeedsAVertex) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
    EXPECT_EQ(seqend(), RTREJ);
    EXPECT_EQ(lastErrno(), 37);
    EXPECT_EQ(db().entityCount(), 0u);
}

TEST_F(AdsComplex, InsertWithAttributes) {
    ASSERT_EQ(beginBlock(L"BUBBLE"), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"ATTDEF", 10, kOrigin, 40, 2.5, 1, L"", 2, L"NR", 3,
                                 L"Nummer", 0)),
              RTNORM);
    ASSERT_EQ(endBlock(), RTKWORD);

    ASSERT_EQ(make(acutBuildList(RTDXF0, L"INSERT", 2, L"bubble", 66, 1, 10, kOne, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"ATTRIB", 10, kOne, 40, 2.5, 1, L"A1", 2, L"NR", 0)),
              RTNORM);
    EXPECT_EQ(vertex(0), RTREJ); // an INSERT takes attributes only
    EXPECT_EQ(db().block(db().modelSpace()).entities.size(), 0u);

    ASSERT_EQ(make(acutBuildList(RTDXF0, L"INSERT", 2, L"BUBBLE", 66, 1, 10, kOne, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"ATTRIB", 10, kOne, 40, 2.5, 1, L"A1", 2, L"NR", 0)),
              RTNORM);
    ASSERT_EQ(seqend(), RTNORM);
    const auto& model = db().block(db().modelSpace()).entities;
    ASSERT_EQ(model.size(), 3u);
    EXPECT_EQ(db().entity(model[1]).type(), "ATTRIB");
    EXPECT_EQ(db().entity(model[1]).parent, model[0]);
}

TEST_F(AdsComplex, BlockDefinitionEndsWithItsName) {
    ASSERT_EQ(beginBlock(L"Paal"), RTNORM);
    ASSERT_EQ(line(), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 10, kOrigin, 40, 0.5, 0)), RTNORM);
    EXPECT_FALSE(db().findBlock("PAAL"));

    ads_name name;
    host::RbList end(acutBuildList(RTDXF0, L"ENDBLK", 0));
    ASSERT_EQ(acdbEntMakeX(end.get(), name), RTKWORD);
    EXPECT_EQ(host::Session::get().lastInput(), L"Paal");
    auto block = db().findBlock("paal");
    ASSERT_TRUE(block);
    auto ref = host::resolveName(name);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->kind, host::ObjectRef::Kind::Block);
    EXPECT_EQ(ref->index, *block);
    EXPECT_EQ(db().block(*block).entities.size(), 2u);
    EXPECT_EQ(db().block(db().modelSpace()).entities.size(), 0u);
    EXPECT_EQ(db().entity(db().block(*block).entities[0]).owner, db().block(*block).recordHandle);
}

TEST_F(AdsComplex, AnonymousBlocksGetTheirNumber) {
    struct Case {
        const ACHAR* given;
        const char* made;
    };
    const Case cases[] = {{L"*U", "*U1"}, {L"*U", "*U2"}, {L"*D7", "*D1"}, {L"*", "*U3"}};
    for (const Case& c : cases) {
        ASSERT_EQ(beginBlock(c.given, 1), RTNORM);
        ASSERT_EQ(line(), RTNORM);
        ASSERT_EQ(endBlock(), RTKWORD);
        EXPECT_EQ(host::Session::get().lastInput(), utf8ToWide(c.made));
        auto block = db().findBlock(c.made);
        ASSERT_TRUE(block) << c.made;
        EXPECT_EQ(db().block(*block).flags() & 1, 1);
        EXPECT_EQ(db().block(*block).header.findText(2), c.made);
    }
}

TEST_F(AdsComplex, BlockMayHoldAPolyline) {
    ASSERT_EQ(beginBlock(L"PL"), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
    ASSERT_EQ(vertex(0), RTNORM);
    ASSERT_EQ(vertex(1), RTNORM);
    EXPECT_EQ(endBlock(), RTREJ); // the polyline is still open
    EXPECT_EQ(lastErrno(), 38);
    EXPECT_FALSE(db().findBlock("PL"));

    ASSERT_EQ(beginBlock(L"PL"), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 0)), RTNORM);
    ASSERT_EQ(vertex(0), RTNORM);
    ASSERT_EQ(vertex(1), RTNORM);
    ASSERT_EQ(seqend(), RTNORM);
    ASSERT_EQ(endBlock(), RTKWORD);
    auto block = db().findBlock("PL");
    ASSERT_TRUE(block);
    const auto& ids = db().block(*block).entities;
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_EQ(db().entity(ids[3]).parent, ids[0]);
    EXPECT_EQ(db().block(db().modelSpace()).entities.size(), 0u);
}

TEST_F(AdsComplex, RefusedBlockLeavesNothingBehind) {
    ASSERT_EQ(beginBlock(L"HALF"), RTNORM);
    ASSERT_EQ(line(), RTNORM);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 8, L"NEWLAYER", 10, kOrigin, 0)), RTREJ);
    EXPECT_EQ(endBlock(), RTREJ);
    EXPECT_FALSE(db().findBlock("HALF"));
    EXPECT_FALSE(db().findRecord(db::TableKind::Layer, "NEWLAYER"));
    EXPECT_EQ(db().entityCount(), 0u);

    ASSERT_EQ(beginBlock(L"OUTER"), RTNORM);
    EXPECT_EQ(beginBlock(L"INNER"), RTREJ);
    EXPECT_EQ(lastErrno(), 5);
    EXPECT_EQ(endBlock(), RTREJ);
    EXPECT_EQ(db().blocks().size(), 2u);
}

TEST_F(AdsComplex, RedefinedBlockLosesItsOldEntities) {
    ASSERT_EQ(beginBlock(L"B"), RTNORM);
    ASSERT_EQ(line(), RTNORM);
    ASSERT_EQ(endBlock(), RTKWORD);
    auto block = db().findBlock("B");
    db::Handle record = db().block(*block).recordHandle;

    ASSERT_EQ(beginBlock(L"B"), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 10, kOrigin, 40, 1.0, 0)), RTNORM);
    ASSERT_EQ(endBlock(), RTKWORD);
    EXPECT_EQ(db().findBlock("B"), block);
    EXPECT_EQ(db().block(*block).recordHandle, record);
    ASSERT_EQ(beginBlock(L"B"), RTNORM); // a definition holding itself is refused
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"INSERT", 2, L"b", 10, kOrigin, 0)), RTNORM);
    EXPECT_EQ(endBlock(), RTREJ);
    EXPECT_EQ(lastErrno(), 5);

    host::RbList entry(acdbTblSearch(L"BLOCK", L"B", 0));
    const resbuf* first = findGroup(entry.get(), -2);
    ASSERT_NE(first, nullptr);
    auto ref = host::resolveEntity(first->resval.rlname);
    ASSERT_TRUE(ref);
    EXPECT_EQ(db().entity(ref->index).type(), "CIRCLE");
}

} // namespace
} // namespace vma::test
