// AutoLISP symbols through acedPutSym/acedGetSym: values of every kind come
// back as given, names ignore case, nil unbinds, malformed lists are refused,
// and each document has its own symbols.
#include "host/db/session.h"
#include "vars/vars_support.h"

#include <cstring>
#include <cwchar>

using namespace vma;

namespace {

class Symbols : public test::FreshSession {};

// The list (1 "two" (3.0 . (4 5 6))) as ADS spells it.
struct NestedList {
    std::wstring two = L"two";
    resbuf items[9]{};

    NestedList() {
        const short types[] = {RTLB, RTSHORT, RTSTR, RTLB, RTREAL, RTDOTE, RT3DPOINT, RTLE, RTLE};
        for (size_t i = 0; i < 9; ++i) {
            items[i].restype = types[i];
            items[i].rbnext = i + 1 < 9 ? &items[i + 1] : nullptr;
        }
        items[1].resval.rint = 1;
        items[2].resval.rstring = two.data();
        items[4].resval.rreal = 3.0;
        items[6].resval.rpoint[X] = 4;
        items[6].resval.rpoint[Y] = 5;
        items[6].resval.rpoint[Z] = 6;
    }
    resbuf* head() { return &items[0]; }
};

TEST_F(Symbols, AListComesBackAsItWasPut) {
    NestedList list;
    ASSERT_EQ(acedPutSym(L"plist", list.head()), RTNORM);
    list.two[0] = L'X'; // the host kept its own copy
    resbuf* got = nullptr;
    ASSERT_EQ(acedGetSym(L"PLIST", &got), RTNORM);
    const resbuf* rb = got;
    for (const resbuf& expected : list.items) {
        ASSERT_NE(rb, nullptr);
        EXPECT_EQ(rb->restype, expected.restype);
        rb = rb->rbnext;
    }
    EXPECT_EQ(rb, nullptr);
    EXPECT_EQ(got->rbnext->resval.rint, 1);
    EXPECT_STREQ(got->rbnext->rbnext->resval.rstring, L"two");
    EXPECT_EQ(got->rbnext->rbnext->rbnext->rbnext->resval.rreal, 3.0);
    acutRelRb(got);
}

TEST_F(Symbols, AtomsOfEachKindRoundTrip) {
    ads_name ename = {12, 34};
    const short types[] = {RTSHORT,   RTLONG,  RTREAL,  RTANG, RTPOINT,
                           RT3DPOINT, RTENAME, RTPICKS, RTT};
    for (short type : types) {
        resbuf in{};
        in.restype = type;
        if (type == RTENAME || type == RTPICKS)
            ads_name_set(ename, in.resval.rlname);
        else if (type == RTPOINT || type == RT3DPOINT) {
            in.resval.rpoint[X] = 2.5;
            in.resval.rpoint[Y] = -1;
        } else if (type == RTSHORT)
            in.resval.rint = -7;
        else if (type == RTLONG)
            in.resval.rlong = 100000;
        else if (type != RTT)
            in.resval.rreal = 0.75;
        ASSERT_EQ(acedPutSym(L"atom", &in), RTNORM) << type;
        resbuf* out = nullptr;
        ASSERT_EQ(acedGetSym(L"atom", &out), RTNORM);
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(out->restype, type);
        EXPECT_EQ(out->rbnext, nullptr);
        EXPECT_EQ(std::memcmp(&out->resval, &in.resval, sizeof(ads_real) * 3), 0) << type;
        acutRelRb(out);
    }
}

TEST_F(Symbols, NilUnbindsAndAnUnboundSymbolIsNil) {
    resbuf* out = reinterpret_cast<resbuf*>(1);
    EXPECT_EQ(acedGetSym(L"never", &out), RTNORM);
    EXPECT_EQ(out, nullptr);

    resbuf t{};
    t.restype = RTT;
    resbuf nil{};
    nil.restype = RTNIL;
    auto& symbols = host::Session::get().current().symbols;
    ASSERT_EQ(acedPutSym(L"flag", &t), RTNORM);
    EXPECT_EQ(symbols.size(), 1u);
    ASSERT_EQ(acedPutSym(L"FLAG", &nil), RTNORM);
    EXPECT_EQ(symbols.size(), 0u);
    ASSERT_EQ(acedPutSym(L"flag", &t), RTNORM);
    ASSERT_EQ(acedPutSym(L"Flag", nullptr), RTNORM);
    EXPECT_EQ(acedGetSym(L"flag", &out), RTNORM);
    EXPECT_EQ(out, nullptr);
}

TEST_F(Symbols, MalformedValuesAreRefused) {
    resbuf a{}, b{}, c{};
    a.restype = RTLB;
    b.restype = RTSHORT;
    a.rbnext = &b; // a list never closed
    EXPECT_EQ(acedPutSym(L"bad", &a), RTERROR);
    b.rbnext = &c;
    c.restype = RTSHORT; // two values side by side
    EXPECT_EQ(acedPutSym(L"bad", &b), RTERROR);
    resbuf dxf{};
    dxf.restype = 8; // a DXF group code is no AutoLISP type
    EXPECT_EQ(acedPutSym(L"bad", &dxf), RTERROR);
    resbuf nullText{};
    nullText.restype = RTSTR;
    EXPECT_EQ(acedPutSym(L"bad", &nullText), RTERROR);
    resbuf dot{};
    dot.restype = RTDOTE;
    EXPECT_EQ(acedPutSym(L"bad", &dot), RTERROR);
    EXPECT_EQ(acedPutSym(nullptr, &b), RTERROR);
    EXPECT_EQ(acedPutSym(L"", &b), RTERROR);
    resbuf* out = nullptr;
    EXPECT_EQ(acedGetSym(L"bad", &out), RTNORM);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(acedGetSym(L"bad", nullptr), RTERROR);
}

TEST_F(Symbols, EachDocumentHasItsOwnSymbols) {
    auto& session = host::Session::get();
    resbuf one = test::shortRb(1);
    ASSERT_EQ(acedPutSym(L"x", &one), RTNORM);
    host::Document& first = session.current();
    session.open(nullptr);
    resbuf* out = nullptr;
    EXPECT_EQ(acedGetSym(L"x", &out), RTNORM);
    EXPECT_EQ(out, nullptr);
    session.makeCurrent(first);
    ASSERT_EQ(acedGetSym(L"x", &out), RTNORM);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->resval.rint, 1);
    acutRelRb(out);
}

} // namespace
