// acedSSGet modes on a small drawing: the whole drawing (erased, nested and
// block-definition entities left out), last, previous and implied sets, the
// leading underscore, refusals (interactive, unknown modes, empty results,
// malformed filters), and a successful selection becoming the previous set.
#include "acedads.h"
#include "drawing.h"
#include "host/db/ssname.h"
#include "rb_list.h"

#include <gtest/gtest.h>

using namespace vma;
using namespace vma::test;

namespace {

// A LINE, B CIRCLE, C LINE in paper space, D erased LINE, E POLYLINE with its
// VERTEX (V), F a LINE inside a block definition, G TEXT, last in the drawing.
class SsGetTest : public ::testing::Test {
protected:
    SsGetTest() {
        d.add('A', d.entity("LINE"));
        d.add('B', d.entity("CIRCLE", "Walls"));
        d.add('C', d.entity("LINE", "0", d.db().paperSpace()));
        db::EntityId erased = d.add('D', d.entity("LINE"));
        d.db().setErased(erased, true);
        db::EntityId pline = d.add('E', d.entity("POLYLINE"));
        auto vertex = d.entity("VERTEX");
        vertex.parent = pline;
        d.add('V', vertex);
        db::Block block;
        block.name = "DETAIL";
        uint32_t detail = d.db().addBlock(block);
        d.add('F', d.entity("LINE", "0", detail));
        d.add('G', d.entity("TEXT"));
    }

    // The letters acedSSGet selects, or the status it returned.
    std::string ssget(const wchar_t* mode, RbList filter = {}) {
        ads_name ss;
        int status = acedSSGet(mode, nullptr, nullptr, filter.get(), ss);
        if (status != RTNORM)
            return "status " + std::to_string(status);
        std::string letters = d.labels(ss);
        acedSSFree(ss);
        return letters;
    }

    void setImplied(std::vector<char> letters) {
        host::Selection implied;
        for (char c : letters) {
            ads_name e;
            d.name(c, e);
            implied.add(d.db().serial(), host::resolveEntity(e)->index);
        }
        host::Session::get().selections().setImplied(std::move(implied));
    }

    Drawing d;
};

const std::string kError = "status " + std::to_string(RTERROR);

TEST_F(SsGetTest, WholeDrawingNewestFirst) {
    EXPECT_EQ(ssget(L"X"), "GECBA");
    EXPECT_EQ(ssget(L"_x"), "GECBA");
    EXPECT_EQ(ssget(L"X", {{0, L"line"}}), "CA");
    EXPECT_EQ(ssget(L"X", {{8, L"walls"}}), "B");
    EXPECT_EQ(ssget(L"X", {{0, L"ARC"}}), kError);
}

TEST_F(SsGetTest, LastIsTheNewestMainEntity) {
    EXPECT_EQ(ssget(L"L"), "G");
    EXPECT_EQ(ssget(L"L", {{0, L"TEXT"}}), "G");
    EXPECT_EQ(ssget(L"L", {{0, L"LINE"}}), kError);
    ads_name g;
    d.name('G', g);
    d.db().setErased(host::resolveEntity(g)->index, true);
    EXPECT_EQ(ssget(L"_L"), "E");
}

TEST_F(SsGetTest, PreviousIsTheLastSuccessfulSelection) {
    EXPECT_EQ(ssget(L"P"), kError);
    EXPECT_EQ(ssget(L"X", {{0, L"LINE,CIRCLE"}}), "CBA");
    EXPECT_EQ(ssget(L"X", {{0, L"ARC"}}), kError); // a failed selection changes nothing
    EXPECT_EQ(ssget(L"P", {{0, L"LINE"}}), "CA");
    EXPECT_EQ(ssget(L"P"), "CA");
    ads_name a;
    d.name('A', a);
    d.db().setErased(host::resolveEntity(a)->index, true);
    EXPECT_EQ(ssget(L"P"), "C");
}

TEST_F(SsGetTest, PreviousBelongsToItsDrawing) {
    EXPECT_EQ(ssget(L"X"), "GECBA");
    host::Session::get().open(nullptr);
    EXPECT_EQ(ssget(L"P"), kError);
    host::Session::get().makeCurrent(d.doc());
    EXPECT_EQ(ssget(L"P"), "GECBA");
}

TEST_F(SsGetTest, ImpliedSet) {
    EXPECT_EQ(ssget(L"I"), kError);
    setImplied({'B', 'A', 'G'});
    EXPECT_EQ(ssget(L"I"), "BAG");
    EXPECT_EQ(ssget(L"_I", {{0, L"LINE"}}), "A");
    host::Session::get().selections().clearImplied(d.db().serial());
    EXPECT_EQ(ssget(L"I"), kError);
}

TEST_F(SsGetTest, RefusesWhatItCannotDo) {
    ads_name ss;
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);
    for (const wchar_t* mode : {L"Q", L"XX", L"_", L"CP", L":S"})
        EXPECT_EQ(acedSSGet(mode, nullptr, nullptr, nullptr, ss), RTERROR) << mode;
    EXPECT_EQ(acedSSGet(L"W", nullptr, nullptr, nullptr, ss), RTERROR);
    EXPECT_EQ(ssget(L"X", {{-4, L"<OR"}, {0, L"LINE"}}), kError);
    EXPECT_EQ(host::Session::get().selections().openCount(), 0u);
}

} // namespace
