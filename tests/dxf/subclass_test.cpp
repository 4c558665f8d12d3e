// Subclass markers: where withSubclassMarkers puts them for each known type,
// that stripping undoes it, and that unknown types pass through untouched.
#include "dxf/dxf_test_support.h"
#include "host/db/subclass.h"

#include <gtest/gtest.h>

using namespace vma;

namespace {

db::GroupList groups(std::initializer_list<std::pair<int, int64_t>> codes, std::string_view type) {
    db::GroupList g;
    g.addText(0, type);
    for (auto& [code, value] : codes) {
        if (db::kindOfCode(code) == db::GroupKind::Text)
            g.addText(code, std::to_string(value));
        else if (db::kindOfCode(code) == db::GroupKind::Real)
            g.addReal(code, static_cast<double>(value));
        else
            g.addInt(code, value);
    }
    return g;
}

// "code" per group, markers as their class name: "0 100:AcDbEntity 8 ...".
std::string shape(const db::GroupList& g) {
    std::string out;
    for (size_t i = 0; i < g.size(); ++i) {
        if (!out.empty())
            out += ' ';
        out += g[i].code == 100 ? "100:" + std::string(g.text(i)) : std::to_string(g[i].code);
    }
    return out;
}

db::GroupList reactorCircle() {
    db::GroupList g;
    g.addText(0, "CIRCLE");
    g.addText(102, "{ACAD_REACTORS");
    g.addText(330, "1F");
    g.addText(102, "}");
    g.addText(8, "0");
    g.addReal(10, 1);
    g.addText(1001, "APP");
    g.addReal(1040, 2);
    return g;
}

struct MarkerCase {
    const char* type;
    db::GroupList stored;
    const char* expected;
};

class Markers : public testing::TestWithParam<MarkerCase> {};

TEST_P(Markers, StandWhereAnR2000FileHasThem) {
    db::GroupList marked = db::withSubclassMarkers(GetParam().stored);
    EXPECT_EQ(shape(marked), GetParam().expected);
    db::GroupList stripped = marked;
    db::stripSubclassMarkers(stripped);
    EXPECT_EQ(stripped.size(), GetParam().stored.size());
    EXPECT_TRUE(db::withSubclassMarkers(stripped) == marked);
}

INSTANTIATE_TEST_SUITE_P(
    Dxf, Markers,
    testing::Values(
        MarkerCase{"line", groups({{8, 0}, {62, 1}, {10, 0}, {11, 1}}, "LINE"),
                   "0 100:AcDbEntity 8 62 100:AcDbLine 10 11"},
        MarkerCase{"common groups after geometry", groups({{10, 0}, {8, 0}}, "point"),
                   "0 100:AcDbEntity 8 100:AcDbPoint 10"},
        MarkerCase{"arc", groups({{8, 0}, {10, 0}, {40, 1}, {50, 0}, {51, 90}}, "ARC"),
                   "0 100:AcDbEntity 8 100:AcDbCircle 10 40 100:AcDbArc 50 51"},
        MarkerCase{"text", groups({{8, 0}, {10, 0}, {1, 0}, {72, 1}, {73, 2}}, "TEXT"),
                   "0 100:AcDbEntity 8 100:AcDbText 10 1 72 100:AcDbText 73"},
        MarkerCase{"attrib", groups({{10, 0}, {1, 5}, {2, 7}, {70, 0}, {73, 0}}, "ATTRIB"),
                   "0 100:AcDbEntity 100:AcDbText 10 1 100:AcDbAttribute 2 70 73"},
        MarkerCase{"attdef", groups({{10, 0}, {1, 5}, {3, 1}, {2, 7}}, "ATTDEF"),
                   "0 100:AcDbEntity 100:AcDbText 10 1 100:AcDbAttributeDefinition 3 2"},
        MarkerCase{"3d polyline", groups({{66, 1}, {70, 8}}, "POLYLINE"),
                   "0 100:AcDbEntity 100:AcDb3dPolyline 66 70"},
        MarkerCase{"2d vertex", groups({{10, 0}, {42, 1}}, "VERTEX"),
                   "0 100:AcDbEntity 100:AcDbVertex 100:AcDb2dVertex 10 42"},
        MarkerCase{"face record", groups({{70, 128}, {71, 1}}, "VERTEX"),
                   "0 100:AcDbEntity 100:AcDbFaceRecord 70 71"},
        MarkerCase{"seqend", groups({{8, 0}}, "SEQEND"), "0 100:AcDbEntity 8"},
        MarkerCase{"minsert", groups({{2, 1}, {70, 3}, {71, 2}}, "INSERT"),
                   "0 100:AcDbEntity 100:AcDbMInsertBlock 2 70 71"},
        MarkerCase{"rotated dimension",
                   groups({{2, 1}, {10, 0}, {70, 32}, {13, 0}, {50, 0}}, "DIMENSION"),
                   "0 100:AcDbEntity 100:AcDbDimension 2 10 70 100:AcDbAlignedDimension 13 50 "
                   "100:AcDbRotatedDimension"},
        MarkerCase{"radial dimension", groups({{70, 4}, {15, 0}, {40, 1}}, "DIMENSION"),
                   "0 100:AcDbEntity 100:AcDbDimension 70 100:AcDbRadialDimension 15 40"},
        MarkerCase{"reactors and xdata stay in place", reactorCircle(),
                   "0 102 330 102 100:AcDbEntity 8 100:AcDbCircle 10 1001 1040"}));

TEST(Markers, UnknownTypesPassThrough) {
    db::GroupList g;
    g.addText(0, "WIPEOUT");
    g.addText(100, "AcDbEntity");
    g.addText(8, "0");
    g.addText(100, "AcDbWipeout");
    EXPECT_FALSE(db::knowsSubclasses("WIPEOUT"));
    EXPECT_TRUE(db::withSubclassMarkers(g) == g);
    db::GroupList copy = g;
    db::stripSubclassMarkers(copy);
    EXPECT_TRUE(copy == g);
    EXPECT_TRUE(db::knowsSubclasses("lwpolyline"));
}

} // namespace
