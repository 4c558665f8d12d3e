// Selection filters on a small drawing: implied equality, every relational
// operator on integers, reals, angles and points, wildcard texts without regard
// to case, defaults of groups an entity leaves out, extended-data tests,
// logical groups and their nesting, and the malformed lists parse refuses.
#include "drawing.h"
#include "host/db/filter.h"
#include "rb_list.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace vma;
using namespace vma::test;

namespace {

// A: LINE on Walls, red, with APP1 data      B: CIRCLE r2 on walls2, BYLAYER
// C: CIRCLE r1, blue, with APP1 and APP2     D: TEXT "Hello, World" at 90 degrees
// E: closed LWPOLYLINE of three vertices     F: LINE in paper space without 67
// G: INSERT of the anonymous block *U2       X: erased LINE (never tested)
class FilterTest : public ::testing::Test {
protected:
    FilterTest() {
        auto a = d.entity("LINE", "Walls");
        a.groups.addInt(62, 1);
        addPoint(a.groups, 10, 0, 0);
        addPoint(a.groups, 11, 10, 0);
        a.groups.addText(1001, "APP1");
        a.groups.addText(1000, "x");
        d.add('A', a);

        auto b = d.entity("CIRCLE", "walls2");
        addPoint(b.groups, 10, 5, 5);
        b.groups.addReal(40, 2.0);
        d.add('B', b);

        auto c = d.entity("CIRCLE");
        c.groups.addInt(62, 5);
        addPoint(c.groups, 10, 20, 20);
        c.groups.addReal(40, 1.0);
        c.groups.addText(1001, "APP1");
        c.groups.addText(1001, "APP2");
        d.add('C', c);

        auto t = d.entity("TEXT", "Text");
        t.groups.addText(6, "DASHED");
        addPoint(t.groups, 10, 1, 1);
        t.groups.addReal(40, 2.5);
        t.groups.addText(1, "Hello, World");
        t.groups.addReal(50, 90.0);
        d.add('D', t);

        auto e = d.entity("LWPOLYLINE");
        e.groups.addInt(90, 3);
        e.groups.addInt(70, 1);
        for (auto [x, y] : {std::pair{0.0, 0.0}, {4.0, 0.0}, {4.0, 3.0}}) {
            e.groups.addReal(10, x);
            e.groups.addReal(20, y);
        }
        d.add('E', e);

        auto f = d.entity("LINE", "0", d.db().paperSpace());
        addPoint(f.groups, 10, 1, 2, 3);
        addPoint(f.groups, 11, 4, 5, 6);
        d.add('F', f);

        auto g = d.entity("INSERT");
        g.groups.addText(2, "*U2");
        addPoint(g.groups, 10, 0, 0);
        d.add('G', g);
    }

    // Letters of the entities the filter passes, in creation order.
    std::string select(RbList list) {
        auto filter = host::Filter::parse(list.get());
        if (!filter)
            return "<error: " + filter.error().message + ">";
        std::vector<db::EntityId> ids;
        for (db::EntityId id = 0; id < d.db().entityCount(); ++id)
            if (filter->matches(d.db(), id))
                ids.push_back(id);
        return d.labels(ids);
    }

    Drawing d;
};

struct FilterCase {
    const char* what;
    RbList list;
    const char* expected;
};

constexpr double kRightAngle = std::numbers::pi / 2;

TEST_F(FilterTest, ImpliedEqualityAndWildcards) {
    FilterCase cases[] = {
        {"no filter", {}, "ABCDEFG"},
        {"type", {{0, L"LINE"}}, "AF"},
        {"type in lower case", {{0, L"line"}}, "AF"},
        {"types as alternatives", {{0, L"LINE,CIRCLE"}}, "ABCF"},
        {"layer wildcard without regard to case", {{8, L"WALLS*"}}, "AB"},
        {"layer negated", {{8, L"~0"}}, "ABD"},
        {"two items are both required", {{0, L"CIRCLE"}, {8, L"0"}}, "C"},
        {"text with an escaped comma", {{1, L"hello`, world"}}, "D"},
        {"unescaped comma splits the text", {{1, L"Hello, World"}}, ""},
        {"anonymous block escaped", {{2, L"`*U#"}}, "G"},
        {"other anonymous kind", {{2, L"`*D*"}}, ""},
        {"integer", {{62, 1}}, "A"},
        {"real", {{40, 2.0}}, "B"},
        {"angle in radians", {{50, kRightAngle}}, "D"},
        {"point", {{10, Pt{5, 5, 0}}}, "B"},
        {"lightweight vertex without Z", {{10, Pt{4, 3, 0}}}, "E"},
        {"handle is ignored", {{5, L"FFFF"}}, "ABCDEFG"},
        {"extended-data group is ignored", {{1000, L"nothing"}}, "ABCDEFG"},
    };
    for (auto& c : cases)
        EXPECT_EQ(select(std::move(c.list)), c.expected) << c.what;
}

TEST_F(FilterTest, GroupsLeftOutCompareAsTheirDefaults) {
    FilterCase cases[] = {
        {"colour BYLAYER", {{62, 256}}, "BDEFG"},
        {"linetype BYLAYER", {{6, L"ByLayer"}}, "ABCEFG"},
        {"linetype given", {{6, L"dashed"}}, "D"},
        {"paper space from the owner", {{67, 1}}, "F"},
        {"model space", {{67, 0}}, "ABCDEG"},
        {"extrusion", {{210, Pt{0, 0, 1}}}, "ABCDEFG"},
        {"absent group without a default", {{-4, L"!="}, {40, 2.0}}, "CD"},
    };
    for (auto& c : cases)
        EXPECT_EQ(select(std::move(c.list)), c.expected) << c.what;
}

TEST_F(FilterTest, RelationalOperators) {
    FilterCase cases[] = {
        {"*", {{-4, L"*"}, {40, 0.0}}, "ABCDEFG"},
        {"=", {{-4, L"="}, {40, 1.0}}, "C"},
        {"!=", {{-4, L"!="}, {62, 1}}, "BCDEFG"},
        {"/=", {{-4, L"/="}, {62, 1}}, "BCDEFG"},
        {"<>", {{-4, L"<>"}, {62, 1}}, "BCDEFG"},
        {"<", {{-4, L"<"}, {40, 2.0}}, "C"},
        {"<=", {{-4, L"<="}, {40, 2.0}}, "BC"},
        {">", {{-4, L">"}, {40, 2.0}}, "D"},
        {">=", {{-4, L">="}, {40, 2.0}}, "BD"},
        {"> on an angle", {{-4, L">"}, {50, 1.0}}, "D"},
        {"& any bit", {{-4, L"&"}, {70, 3}}, "E"},
        {"& no bit", {{-4, L"&"}, {90, 4}}, ""},
        {"&= all bits", {{-4, L"&="}, {90, 3}}, "E"},
        {"&= missing bit", {{-4, L"&="}, {90, 7}}, ""},
        {"< on integers", {{-4, L"<"}, {62, 5}}, "A"},
        {"point per axis", {{-4, L">,>,*"}, {10, Pt{4, 4, 0}}}, "BC"},
        {"point, Z left out", {{-4, L">,<"}, {10, Pt{0.5, 10, 99}}}, "BDEF"},
        {"point, empty axis", {{-4, L",,>"}, {10, Pt{0, 0, 2}}}, "F"},
        {"point = as a whole", {{-4, L"="}, {10, Pt{1, 2, 3}}}, "F"},
        {"point != as a whole", {{-4, L"!="}, {10, Pt{0, 0, 0}}}, "BCDEF"},
        {"point != per axis", {{-4, L"!=,*,*"}, {10, Pt{0, 0, 0}}}, "BCDEF"},
        {"direction !=", {{-4, L"!="}, {210, Pt{0, 0, 1}}}, ""},
        {"text != ", {{-4, L"!="}, {0, L"LINE"}}, "BCDEG"},
        {"operator on an ignored group drops both", {{-4, L">"}, {5, L"1"}}, "ABCDEFG"},
    };
    for (auto& c : cases)
        EXPECT_EQ(select(std::move(c.list)), c.expected) << c.what;
}

TEST_F(FilterTest, ExtendedDataAndLogicalGroups) {
    FilterCase cases[] = {
        {"one application", {{-3, 0}, {1001, L"APP1"}}, "AC"},
        {"all named applications", {{-3, 0}, {1001, L"APP1"}, {1001, L"APP2"}}, "C"},
        {"application wildcard", {{-3, 0}, {1001, L"app*"}}, "AC"},
        {"OR of ANDs",
         {{-4, L"<OR"},
          {-4, L"<AND"},
          {0, L"CIRCLE"},
          {40, 1.0},
          {-4, L"AND>"},
          {-4, L"<AND"},
          {0, L"LINE"},
          {8, L"WALLS"},
          {-4, L"AND>"},
          {-4, L"OR>"}},
         "AC"},
        {"NOT", {{-4, L"<NOT"}, {0, L"CIRCLE"}, {-4, L"NOT>"}}, "ADEFG"},
        {"XOR of extended-data tests",
         {{-4, L"<XOR"}, {-3, 0}, {1001, L"APP1"}, {-3, 0}, {1001, L"APP2"}, {-4, L"XOR>"}},
         "A"},
        {"nested NOT OR inside AND",
         {{-4, L"<AND"},
          {0, L"CIRCLE"},
          {-4, L"<NOT"},
          {-4, L"<OR"},
          {62, 5},
          {8, L"x"},
          {-4, L"OR>"},
          {-4, L"NOT>"},
          {-4, L"AND>"}},
         "B"},
        {"grouping words in lower case", {{-4, L"<or"}, {62, 1}, {62, 5}, {-4, L"or>"}}, "AC"},
    };
    for (auto& c : cases)
        EXPECT_EQ(select(std::move(c.list)), c.expected) << c.what;
}

TEST(FilterParse, RefusesMalformedLists) {
    struct Bad {
        const char* what;
        RbList list;
    } cases[] = {
        {"opening only", {{-4, L"<AND"}, {0, L"LINE"}}},
        {"closing only", {{0, L"LINE"}, {-4, L"AND>"}}},
        {"crossed groups", {{-4, L"<AND"}, {0, L"LINE"}, {-4, L"OR>"}}},
        {"XOR with one operand", {{-4, L"<XOR"}, {0, L"LINE"}, {-4, L"XOR>"}}},
        {"XOR with three operands",
         {{-4, L"<XOR"}, {0, L"A"}, {0, L"B"}, {0, L"C"}, {-4, L"XOR>"}}},
        {"NOT with two operands", {{-4, L"<NOT"}, {0, L"A"}, {0, L"B"}, {-4, L"NOT>"}}},
        {"empty NOT", {{-4, L"<NOT"}, {-4, L"NOT>"}}},
        {"empty OR", {{-4, L"<OR"}, {-4, L"OR>"}}},
        {"unknown operator", {{-4, L"=="}, {40, 1.0}}},
        {"operator at the end", {{0, L"LINE"}, {-4, L">"}}},
        {"operator before an operator", {{-4, L">"}, {-4, L"<"}, {40, 1.0}}},
        {"bitwise on a real", {{-4, L"&"}, {40, 1.0}}},
        {"relational on a text", {{-4, L">"}, {0, L"LINE"}}},
        {"four point operators", {{-4, L">,>,>,>"}, {10, Pt{}}}},
        {"bitwise on a point axis", {{-4, L"&,>"}, {10, Pt{}}}},
        {"ordering on a direction", {{-4, L">"}, {210, Pt{}}}},
        {"point operators on a real", {{-4, L">,>"}, {40, 1.0}}},
        {"extended data without names", {{0, L"LINE"}, {-3, 0}}},
        {"operator on extended data", {{-4, L"="}, {-3, 0}, {1001, L"APP1"}}},
    };
    for (auto& c : cases)
        EXPECT_FALSE(host::Filter::parse(c.list.get()).ok()) << c.what;
}

TEST(FilterParse, RefusesNullTexts) {
    resbuf item{};
    item.restype = 8;
    EXPECT_FALSE(host::Filter::parse(&item).ok());
    item.restype = -4;
    EXPECT_FALSE(host::Filter::parse(&item).ok());
}

} // namespace
