// Symbol tables through the ADS functions: entries made with acdbEntMake and
// acdbRegApp, the lists acdbTblNext and acdbTblSearch give (no -1 group;
// blocks with -2 and without layouts), their shared position, names without
// regard to case, and acdbTblObjName.
#include "ads_fixture.h"
#include "host/db/ename.h"

#include <vector>

namespace vma::test {
namespace {

using AdsTable = AdsTest;

std::vector<std::wstring> names(const ACHAR* table) {
    std::vector<std::wstring> out;
    for (int rewind = 1;; rewind = 0) {
        host::RbList entry(acdbTblNext(table, rewind));
        if (!entry.get())
            return out;
        out.push_back(textOf(entry.get(), 2));
    }
}

TEST_F(AdsTable, EntMakeAddsTableEntriesWithDefaults) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LAYER", 2, L"Palen", 70, 0, 62, 1, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LAYER", 2, L"Maten", 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"STYLE", 2, L"Dik", 3, L"romans", 0)), RTNORM);
    EXPECT_EQ(names(L"LAYER"), (std::vector<std::wstring>{L"0", L"Palen", L"Maten"}));

    host::RbList maten(acdbTblSearch(L"layer", L"MATEN", 0));
    ASSERT_NE(maten.get(), nullptr);
    EXPECT_EQ(maten.get()->restype, 0);
    EXPECT_STREQ(maten.get()->resval.rstring, L"LAYER");
    EXPECT_EQ(findGroup(maten.get(), -1), nullptr);
    EXPECT_EQ(findGroup(maten.get(), 70)->resval.rint, 0);
    EXPECT_EQ(findGroup(maten.get(), 62)->resval.rint, 7);
    EXPECT_EQ(textOf(maten.get(), 6), L"Continuous");

    host::RbList style(acdbTblSearch(L"STYLE", L"dik", 0));
    EXPECT_EQ(findGroup(style.get(), 41)->resval.rreal, 1.0);
    EXPECT_EQ(textOf(style.get(), 3), L"romans");
}

TEST_F(AdsTable, EntMakeRefusesBadEntries) {
    struct Case {
        const char* what;
        resbuf* list;
        int errnoValue;
    };
    const Case cases[] = {
        {"existing name", acutBuildList(RTDXF0, L"LAYER", 2, L"0", 0), 1},
        {"no name", acutBuildList(RTDXF0, L"LAYER", 70, 0, 0), 47},
        {"bad name", acutBuildList(RTDXF0, L"LAYER", 2, L"a<b", 0), 1},
        {"unknown linetype", acutBuildList(RTDXF0, L"LAYER", 2, L"X", 6, L"NONE", 0), 26},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(make(c.list), RTREJ) << c.what;
        EXPECT_EQ(lastErrno(), c.errnoValue) << c.what;
    }
    EXPECT_EQ(names(L"LAYER").size(), 1u);
}

TEST_F(AdsTable, NextAndSearchShareThePosition) {
    for (const ACHAR* name : {L"A", L"B", L"C"})
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"LAYER", 2, name, 0)), RTNORM);
    host::RbList first(acdbTblNext(L"LAYER", 1));
    EXPECT_EQ(textOf(first.get(), 2), L"0");
    host::RbList found(acdbTblSearch(L"LAYER", L"b", 1));
    EXPECT_EQ(textOf(found.get(), 2), L"B");
    host::RbList next(acdbTblNext(L"LAYER", 0));
    EXPECT_EQ(textOf(next.get(), 2), L"C");
    EXPECT_EQ(acdbTblNext(L"LAYER", 0), nullptr);
    host::RbList again(acdbTblNext(L"LAYER", 1));
    EXPECT_EQ(textOf(again.get(), 2), L"0");

    host::RbList quiet(acdbTblSearch(L"LAYER", L"A", 0)); // without setNext nothing moves
    host::RbList after(acdbTblNext(L"LAYER", 0));
    EXPECT_EQ(textOf(after.get(), 2), L"A");
}

TEST_F(AdsTable, BlockTableListsDefinitionsWithoutLayouts) {
    const ads_point base = {1, 2, 0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"Paal", 70, 2, 10, base, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POINT", 10, base, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
    EXPECT_EQ(names(L"BLOCK"), (std::vector<std::wstring>{L"Paal"}));

    host::RbList entry(acdbTblSearch(L"BLOCK", L"PAAL", 0));
    EXPECT_EQ(findGroup(entry.get(), 70)->resval.rint, 2);
    EXPECT_EQ(findGroup(entry.get(), 10)->resval.rpoint[Y], 2.0);
    const resbuf* first = findGroup(entry.get(), -2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(textOf(entget(first->resval.rlname).get(), 0), L"POINT");
    EXPECT_EQ(acdbTblSearch(L"BLOCK", L"*Model_Space", 0), nullptr);
}

TEST_F(AdsTable, ObjectNamesResolve) {
    ads_name name;
    ASSERT_EQ(acdbTblObjName(L"LTYPE", L"continuous", name), RTNORM);
    auto ref = host::resolveName(name);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->kind, host::ObjectRef::Kind::Record);
    EXPECT_EQ(ref->table, db::TableKind::LType);
    EXPECT_EQ(textOf(entget(name).get(), 2), L"Continuous");
    EXPECT_EQ(acdbTblObjName(L"LTYPE", L"NONE", name), RTERROR);
    EXPECT_EQ(acdbTblObjName(L"GADGETS", L"X", name), RTERROR);
    EXPECT_EQ(lastErrno(), 18);
    EXPECT_EQ(acdbTblNext(L"GADGETS", 1), nullptr);
}

TEST_F(AdsTable, RegisteredApplicationsAreTableEntries) {
    EXPECT_EQ(acdbRegApp(L"VMA_PAAL"), RTNORM);
    EXPECT_EQ(acdbRegApp(L"vma_paal"), RTNORM); // registered before: still fine
    EXPECT_EQ(names(L"APPID"), (std::vector<std::wstring>{L"ACAD", L"VMA_PAAL"}));
    EXPECT_EQ(acdbRegApp(L"bad*name"), RTERROR);
    EXPECT_EQ(acdbRegApp(L""), RTERROR);
    EXPECT_EQ(acdbRegApp(nullptr), RTERROR);
    EXPECT_EQ(names(L"APPID").size(), 2u);
}

} // namespace
} // namespace vma::test
