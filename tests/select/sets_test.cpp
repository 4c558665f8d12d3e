// Selection sets at the C boundary: building sets with acedSSAdd, removing and
// testing members, names and indexes, freeing, sets that keep erased entities,
// sets bound to one drawing, and the limit of 128 open sets.
#include "acedads.h"
#include "drawing.h"
#include "host/db/ssname.h"

#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;

namespace {

class SetsTest : public ::testing::Test {
protected:
    SetsTest() {
        for (char c : {'A', 'B', 'C'})
            d.add(c, d.entity("LINE"));
        d.name('A', a);
        d.name('B', b);
        d.name('C', c);
    }

    Drawing d;
    ads_name a, b, c;
};

TEST_F(SetsTest, AddBuildsOrderedSetsWithoutDuplicates) {
    ads_name ss, same;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(d.labels(ss), "");
    EXPECT_EQ(acedSSAdd(c, ss, same), RTNORM);
    EXPECT_TRUE(ads_name_equal(ss, same));
    EXPECT_EQ(acedSSAdd(a, ss, ss), RTNORM);
    EXPECT_EQ(acedSSAdd(c, ss, ss), RTNORM);
    EXPECT_EQ(d.labels(ss), "CA");

    ads_name single;
    ASSERT_EQ(acedSSAdd(b, nullptr, single), RTNORM);
    EXPECT_FALSE(ads_name_equal(single, ss));
    EXPECT_EQ(d.labels(single), "B");
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(single), RTNORM);
}

TEST_F(SetsTest, DelMembAndName) {
    ads_name ss;
    ASSERT_EQ(acedSSAdd(a, nullptr, ss), RTNORM);
    acedSSAdd(b, ss, ss);
    acedSSAdd(c, ss, ss);
    EXPECT_EQ(acedSSMemb(b, ss), RTNORM);
    EXPECT_EQ(acedSSDel(b, ss), RTNORM);
    EXPECT_EQ(acedSSMemb(b, ss), RTERROR);
    EXPECT_EQ(acedSSDel(b, ss), RTERROR);
    EXPECT_EQ(d.labels(ss), "AC");

    ads_name e;
    EXPECT_EQ(acedSSName(ss, 1, e), RTNORM);
    EXPECT_TRUE(ads_name_equal(e, c));
    EXPECT_EQ(acedSSName(ss, 2, e), RTERROR);
    EXPECT_EQ(acedSSName(ss, -1, e), RTERROR);
    Int32 length = 0;
    EXPECT_EQ(acedSSLength(ss, &length), RTNORM);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(acedSSLength(ss, nullptr), RTERROR);
    acedSSFree(ss);
}

TEST_F(SetsTest, FreedAndForeignNamesAreRefused) {
    ads_name ss, out;
    ASSERT_EQ(acedSSAdd(a, nullptr, ss), RTNORM);
    EXPECT_EQ(acedSSMemb(ss, ss), RTERROR); // a set name is no entity name
    EXPECT_EQ(acedSSLength(a, nullptr), RTERROR);
    EXPECT_EQ(acedSSFree(a), RTERROR); // an entity name is no set name
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(ss), RTERROR);
    Int32 length;
    EXPECT_EQ(acedSSLength(ss, &length), RTERROR);
    EXPECT_EQ(acedSSName(ss, 0, out), RTERROR);
    EXPECT_EQ(acedSSAdd(b, ss, out), RTERROR);
    EXPECT_EQ(acedSSMemb(a, ss), RTERROR);
    ads_name forged = {12345, 1};
    EXPECT_EQ(acedSSAdd(forged, nullptr, out), RTERROR);
}

TEST_F(SetsTest, ErasedEntitiesStayInSetsButCannotBeAdded) {
    ads_name ss;
    ASSERT_EQ(acedSSAdd(a, nullptr, ss), RTNORM);
    acedSSAdd(b, ss, ss);
    d.db().setErased(host::resolveEntity(a)->index, true);
    EXPECT_EQ(d.labels(ss), "AB");
    EXPECT_EQ(acedSSMemb(a, ss), RTNORM);
    EXPECT_EQ(acedSSDel(a, ss), RTNORM);
    EXPECT_EQ(acedSSAdd(a, ss, ss), RTERROR);
    EXPECT_EQ(d.labels(ss), "B");
    acedSSFree(ss);
}

TEST_F(SetsTest, SetsHoldOneDrawing) {
    ads_name ss, other, out;
    ASSERT_EQ(acedSSAdd(a, nullptr, ss), RTNORM);
    host::Document& second = host::Session::get().open(nullptr);
    db::EntityId id = second.db->addEntity(d.entity("LINE"));
    host::entityName(*second.db, id, other);
    EXPECT_EQ(acedSSAdd(other, ss, out), RTERROR);
    EXPECT_EQ(acedSSMemb(other, ss), RTERROR);
    EXPECT_EQ(acedSSDel(other, ss), RTERROR);
    ads_name empty;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, empty), RTNORM);
    EXPECT_EQ(acedSSAdd(other, empty, empty), RTNORM);
    EXPECT_EQ(acedSSAdd(a, empty, empty), RTERROR);
    acedSSFree(ss);
    acedSSFree(empty);
}

TEST_F(SetsTest, AtMost128OpenSets) {
    std::vector<std::array<int64_t, 2>> names(host::SelectionSets::kMaxOpen);
    for (auto& name : names)
        ASSERT_EQ(acedSSAdd(nullptr, nullptr, name.data()), RTNORM);
    ads_name more;
    EXPECT_EQ(acedSSAdd(nullptr, nullptr, more), RTREJ);
    EXPECT_EQ(acedSSAdd(a, nullptr, more), RTREJ);
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, more), RTREJ);
    ASSERT_EQ(acedSSFree(names.back().data()), RTNORM);
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, more), RTNORM);
    EXPECT_EQ(d.labels(more), "CBA");
    EXPECT_EQ(host::Session::get().selections().openCount(), host::SelectionSets::kMaxOpen);
    for (auto& name : names)
        acedSSFree(name.data());
    acedSSFree(more);
    EXPECT_EQ(host::Session::get().selections().openCount(), 0u);
}

} // namespace
