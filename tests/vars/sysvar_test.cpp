// System variables through acedGetVar/acedSetVar: each variable's type and
// initial value, what setting accepts and refuses (types, ranges, read-only,
// names that must exist), and where a value lives: the drawing's header or
// viewport, the session, or the host's own state.
#include "host/base/text.h"
#include "host/sysvar/access.h"
#include "host/sysvar/checks.h"
#include "host/sysvar/definition.h"
#include "vars/vars_support.h"

#include <cstdlib>

using namespace vma;
using namespace vma::host;
using test::pointRb;
using test::realRb;
using test::shortRb;
using test::stringRb;

namespace {

class Sysvar : public test::FreshSession {
protected:
    Session& session = Session::get();
    db::Database& db() { return *session.current().db; }

    SysvarValue get(std::string_view name) {
        auto v = getSysvar(session, name);
        EXPECT_TRUE(v.ok()) << name;
        return v.ok() ? v.value() : SysvarValue{};
    }

    std::wstring getText(const wchar_t* name) {
        resbuf rb{};
        EXPECT_EQ(acedGetVar(name, &rb), RTNORM);
        EXPECT_EQ(rb.restype, RTSTR);
        std::wstring text = rb.resval.rstring;
        std::free(rb.resval.rstring);
        return text;
    }

    void addLayer(std::string_view name, int flags) {
        db::TableRecord layer;
        layer.groups.addText(2, name);
        layer.groups.addInt(70, flags);
        db().addRecord(db::TableKind::Layer, std::move(layer));
    }
};

TEST_F(Sysvar, DefinitionsAreFoundInAnyCaseAndReadAsTheirType) {
    ASSERT_NE(findSysvar("osmode"), nullptr);
    EXPECT_EQ(findSysvar("OsMode")->name, "OSMODE");
    EXPECT_EQ(findSysvar("NOSUCHVAR"), nullptr);
    EXPECT_EQ(findSysvar(""), nullptr);
    for (const SysvarDef& def : sysvarDefinitions()) {
        auto v = getSysvar(session, def.name);
        ASSERT_TRUE(v.ok()) << def.name;
        EXPECT_EQ(v->type, def.type) << def.name;
    }
}

TEST_F(Sysvar, GetVarGivesTheResultTypeOfEachKind) {
    struct Case {
        const wchar_t* name;
        short restype;
    };
    const Case cases[] = {{L"OSMODE", RTSHORT},    {L"ltscale", RTREAL},     {L"CLAYER", RTSTR},
                          {L"LIMMIN", RTPOINT},    {L"InsBase", RT3DPOINT},  {L"CDATE", RTREAL},
                          {L"DWGNAME", RTSTR},     {L"SCREENSIZE", RTPOINT}, {L"ERRNO", RTSHORT},
                          {L"VIEWCTR", RT3DPOINT}, {L"CECOLOR", RTSTR}};
    for (const Case& c : cases) {
        resbuf rb{};
        ASSERT_EQ(acedGetVar(c.name, &rb), RTNORM) << wideToUtf8(c.name);
        EXPECT_EQ(rb.restype, c.restype) << wideToUtf8(c.name);
        if (rb.restype == RTSTR)
            std::free(rb.resval.rstring);
    }
    resbuf rb{};
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &rb), RTERROR);
    EXPECT_EQ(acedGetVar(nullptr, &rb), RTERROR);
    EXPECT_EQ(acedGetVar(L"OSMODE", nullptr), RTERROR);
}

TEST_F(Sysvar, InitialValuesOfANewMetricDrawing) {
    EXPECT_EQ(get("ACADVER").text, "24.0s");
    EXPECT_EQ(get("CLAYER").text, "0");
    EXPECT_EQ(get("CECOLOR").text, "BYLAYER");
    EXPECT_EQ(get("TEXTSTYLE").text, "Standard");
    EXPECT_EQ(get("DIMSTYLE").text, "Standard");
    EXPECT_EQ(get("TEXTSIZE").real, 2.5);
    EXPECT_EQ(get("DIMASZ").real, 2.5);
    EXPECT_EQ(get("DIMDEC").integer, 2);
    EXPECT_EQ(get("INSUNITS").integer, 4);
    EXPECT_EQ(get("OSMODE").integer, 4133);
    EXPECT_EQ(get("UNDOCTL").integer, 53);
    EXPECT_EQ(get("CMDECHO").integer, 1);
    EXPECT_EQ(get("LIMMAX"), SysvarValue::ofPoint(VarType::Point2, 420, 297));
    EXPECT_EQ(get("UCSXDIR"), SysvarValue::ofPoint(VarType::Point3, 1, 0, 0));
    EXPECT_EQ(get("WORLDUCS").integer, 1);
    EXPECT_EQ(get("DWGNAME").text, "Drawing1.dwg");
    EXPECT_EQ(get("DWGTITLED").integer, 0);
    EXPECT_EQ(get("DBMOD").integer, 0);
}

TEST_F(Sysvar, ImperialDrawingsStartFromImperialValues) {
    ASSERT_TRUE(setSysvar(session, "MEASUREMENT", SysvarValue::ofShort(0)));
    EXPECT_EQ(get("TEXTSIZE").real, 0.2);
    EXPECT_EQ(get("DIMDEC").integer, 4);
    EXPECT_EQ(get("DIMTIH").integer, 1);
    EXPECT_EQ(get("LIMMAX"), SysvarValue::ofPoint(VarType::Point2, 12, 9));
}

TEST_F(Sysvar, SetVarAcceptsAndRefusesAsAutoCadDoes) {
    const std::wstring zero = L"0", missing = L"NOSUCH", red = L"Red", style = L"Standard",
                       text = L"LINE";
    struct Case {
        const wchar_t* name;
        resbuf value;
        int expected;
    };
    const Case cases[] = {
        {L"OSMODE", shortRb(512), RTNORM},
        {L"osmode", realRb(512), RTERROR}, // a real for an integer variable
        {L"OSMODE", shortRb(-1), RTERROR},
        {L"LTSCALE", shortRb(2), RTNORM}, // an integer for a real variable
        {L"LTSCALE", realRb(0), RTERROR},
        {L"LTSCALE", stringRb(zero), RTERROR},
        {L"TEXTSIZE", realRb(-1), RTERROR},
        {L"INSBASE", pointRb(RTPOINT, 1, 2), RTNORM},
        {L"LIMMAX", pointRb(RT3DPOINT, 100, 50, 7), RTNORM},
        {L"INSBASE", shortRb(1), RTERROR},
        {L"CLAYER", stringRb(zero), RTNORM},
        {L"CLAYER", stringRb(missing), RTERROR},
        {L"CELTYPE", stringRb(missing), RTERROR},
        {L"TEXTSTYLE", stringRb(style), RTNORM},
        {L"CECOLOR", stringRb(red), RTNORM},
        {L"CECOLOR", stringRb(missing), RTERROR},
        {L"ANGDIR", shortRb(2), RTERROR},
        {L"AUNITS", shortRb(4), RTNORM},
        {L"PICKBOX", shortRb(51), RTERROR},
        {L"USERI3", shortRb(-32768), RTNORM},
        {L"ACADVER", stringRb(text), RTERROR},
        {L"DIMSTYLE", stringRb(style), RTERROR},
        {L"EXTMIN", pointRb(RT3DPOINT, 0, 0, 0), RTERROR},
        {L"CMDNAMES", stringRb(text), RTERROR},
        {L"VIEWSIZE", realRb(5), RTERROR},
        {L"CDATE", realRb(5), RTERROR},
        {L"NOSUCHVAR", shortRb(1), RTERROR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(acedSetVar(c.name, &c.value), c.expected) << wideToUtf8(c.name);
    resbuf nil{};
    nil.restype = RTNIL;
    EXPECT_EQ(acedSetVar(L"OSMODE", &nil), RTERROR);
    EXPECT_EQ(acedSetVar(L"OSMODE", nullptr), RTERROR);
}

// A drawing setup writes these from its configuration, integers even for the
// real ones; every one must exist and take the value it is given.
TEST_F(Sysvar, TheSetupVariablesTakeTheirConfiguredValues) {
    const wchar_t* shorts[] = {L"BLIPMODE",  L"CMDECHO",     L"EXPERT",   L"FILLETRAD", L"GRIDMODE",
                               L"LIMCHECK",  L"LUPREC",      L"MENUECHO", L"MIRRTEXT",  L"OSMODE",
                               L"PDMODE",    L"QTEXTMODE",   L"SKPOLY",   L"SNAPANG",   L"SNAPMODE",
                               L"SNAPSTYL",  L"SNAPISOPAIR", L"SPLFRAME", L"TEXTEVAL",  L"FILLMODE",
                               L"HIGHLIGHT", L"ORTHOMODE",   L"COORDS",   L"DRAGMODE",  L"LUNITS",
                               L"PICKBOX",   L"SPLINESEGS",  L"APERTURE", L"DRAGP1",    L"DRAGP2",
                               L"SORTENTS"};
    for (const wchar_t* name : shorts) {
        resbuf one = shortRb(1);
        EXPECT_EQ(acedSetVar(name, &one), RTNORM) << wideToUtf8(name);
    }
    for (const wchar_t* name : {L"ELEVATION", L"THICKNESS", L"TRACEWID", L"SKETCHINC"}) {
        resbuf value = realRb(0.5);
        EXPECT_EQ(acedSetVar(name, &value), RTNORM) << wideToUtf8(name);
    }
    for (const wchar_t* name : {L"GRIDUNIT", L"SNAPBASE", L"SNAPUNIT"}) {
        resbuf value = pointRb(RTPOINT, 10, 10);
        EXPECT_EQ(acedSetVar(name, &value), RTNORM) << wideToUtf8(name);
    }
    resbuf origin = pointRb(RT3DPOINT, 0, 0, 0);
    EXPECT_EQ(acedSetVar(L"LASTPOINT", &origin), RTNORM);
    EXPECT_EQ(acedSetVar(L"INSBASE", &origin), RTNORM);
    EXPECT_EQ(get("CVPORT").integer, 2); // model space
}

TEST_F(Sysvar, RefusalsSayWhyInErrno) {
    const std::wstring missing = L"NOSUCH", text = L"x";
    struct Case {
        const wchar_t* name;
        resbuf value;
        int errnoValue;
    };
    const Case cases[] = {
        {L"ACADVER", stringRb(text), 20},      {L"CDATE", realRb(1), 20},
        {L"LTSCALE", realRb(0), 21},           {L"OSMODE", shortRb(-1), 22},
        {L"TEXTSIZE", realRb(-2), 22},         {L"CLAYER", stringRb(missing), 25},
        {L"CELTYPE", stringRb(missing), 26},   {L"CECOLOR", stringRb(missing), 27},
        {L"TEXTSTYLE", stringRb(missing), 28},
    };
    for (const Case& c : cases) {
        session.lastErrno() = 0;
        EXPECT_EQ(acedSetVar(c.name, &c.value), RTERROR);
        EXPECT_EQ(session.lastErrno(), c.errnoValue) << wideToUtf8(c.name);
    }
    session.open(nullptr);
    EXPECT_EQ(session.lastErrno(), 0); // opening a drawing clears it
}

TEST_F(Sysvar, ARefusedValueLeavesTheOldOne) {
    resbuf ok = shortRb(512);
    resbuf tooBig = shortRb(-5);
    ASSERT_EQ(acedSetVar(L"OSMODE", &ok), RTNORM);
    ASSERT_EQ(acedSetVar(L"OSMODE", &tooBig), RTERROR);
    EXPECT_EQ(get("OSMODE").integer, 512);
    EXPECT_EQ(db().modifiedFlags(), 0);
    resbuf size = realRb(0);
    ASSERT_EQ(acedSetVar(L"TEXTSIZE", &size), RTERROR);
    EXPECT_EQ(db().headerValue("$TEXTSIZE"), nullptr);
}

TEST_F(Sysvar, DrawingVariablesLiveInTheHeaderWithTheirGroupCodes) {
    ASSERT_TRUE(setSysvar(session, "TEXTSIZE", SysvarValue::ofReal(3.5)));
    ASSERT_TRUE(setSysvar(session, "USERI1", SysvarValue::ofShort(7)));
    ASSERT_TRUE(setSysvar(session, "INSBASE", SysvarValue::ofPoint(VarType::Point3, 1, 2, 3)));
    ASSERT_TRUE(setSysvar(session, "LIMMAX", SysvarValue::ofPoint(VarType::Point2, 84, 59)));
    ASSERT_TRUE(setSysvar(session, "CECOLOR", SysvarValue::ofText("blue")));
    ASSERT_TRUE(setSysvar(session, "OSMODE", SysvarValue::ofShort(1)));

    EXPECT_EQ(db().headerValue("$TEXTSIZE")->findReal(40), 3.5);
    EXPECT_EQ(db().headerValue("$USERI1")->findInt(70), 7);
    const db::GroupList* insbase = db().headerValue("$INSBASE");
    EXPECT_EQ(insbase->findReal(10), 1);
    EXPECT_EQ(insbase->findReal(30), 3);
    EXPECT_EQ(db().headerValue("$LIMMAX")->findReal(20), 59);
    EXPECT_EQ(db().headerValue("$LIMMAX")->find(30), -1);
    EXPECT_EQ(db().headerValue("$CECOLOR")->findInt(62), 5);
    EXPECT_EQ(get("CECOLOR").text, "5");
    EXPECT_EQ(db().headerValue("$OSMODE"), nullptr);
    EXPECT_EQ(db().modifiedFlags(), 4);
}

TEST_F(Sysvar, ViewportVariablesLiveInTheActiveViewport) {
    ASSERT_TRUE(setSysvar(session, "SNAPMODE", SysvarValue::ofShort(1)));
    auto vport = db().findRecord(db::TableKind::VPort, "*ACTIVE");
    ASSERT_TRUE(vport);
    EXPECT_EQ(db().record(db::TableKind::VPort, *vport).groups.findInt(75), 1);
    EXPECT_EQ(get("SNAPMODE").integer, 1);
    EXPECT_EQ(get("VIEWSIZE").real, 10);
    EXPECT_EQ(get("VSMIN"), SysvarValue::ofPoint(VarType::Point3, -5, -5, 0));
    EXPECT_EQ(get("VSMAX"), SysvarValue::ofPoint(VarType::Point3, 5, 5, 0));
}

TEST_F(Sysvar, DrawingValuesFollowTheCurrentDocumentAndSessionValuesDoNot) {
    Document& first = session.current();
    ASSERT_TRUE(setSysvar(session, "TEXTSIZE", SysvarValue::ofReal(3.5)));
    ASSERT_TRUE(setSysvar(session, "OSMODE", SysvarValue::ofShort(33)));
    session.open(nullptr);
    EXPECT_EQ(get("TEXTSIZE").real, 2.5);
    EXPECT_EQ(get("OSMODE").integer, 33);
    EXPECT_EQ(get("DWGNAME").text, "Drawing2.dwg");
    session.makeCurrent(first);
    EXPECT_EQ(get("TEXTSIZE").real, 3.5);
}

TEST_F(Sysvar, NamesMustExistAndTakeTheirOwnSpelling) {
    addLayer("Walls", 0);
    addLayer("Frozen", 1);
    EXPECT_TRUE(setSysvar(session, "CLAYER", SysvarValue::ofText("WALLS")));
    EXPECT_EQ(getText(L"CLAYER"), L"Walls");
    EXPECT_FALSE(setSysvar(session, "CLAYER", SysvarValue::ofText("frozen")));
    EXPECT_EQ(get("CLAYER").text, "Walls");
    EXPECT_TRUE(setSysvar(session, "CELTYPE", SysvarValue::ofText("continuous")));
    EXPECT_EQ(get("CELTYPE").text, "Continuous");
    EXPECT_TRUE(setSysvar(session, "DIMBLK", SysvarValue::ofText("ArchTick")));
    EXPECT_EQ(get("DIMBLK").text, "_ARCHTICK");
    EXPECT_TRUE(setSysvar(session, "DIMBLK", SysvarValue::ofText(".")));
    EXPECT_EQ(get("DIMBLK").text, "");
    EXPECT_FALSE(setSysvar(session, "DIMBLK", SysvarValue::ofText("NoSuchBlock")));
}

TEST_F(Sysvar, ColoursAreNamesOrNumbers) {
    struct Case {
        const char* text;
        int color; // -1: refused
    };
    const Case cases[] = {{"bylayer", 256}, {"BYBLOCK", 0}, {"red", 1},   {"Blue", 5},
                          {"white", 7},     {"7", 7},       {"255", 255}, {"0", -1},
                          {"256", -1},      {"", -1},       {"1x", -1},   {"RGB:1,2,3", -1}};
    for (const Case& c : cases) {
        auto color = parseColor(c.text);
        EXPECT_EQ(color.ok() ? color.value() : -1, c.color) << c.text;
    }
}

TEST_F(Sysvar, ComputedVariablesReflectTheSession) {
    session.lastErrno() = 7;
    EXPECT_EQ(get("ERRNO").integer, 7);
    resbuf zero = shortRb(0);
    EXPECT_EQ(acedSetVar(L"ERRNO", &zero), RTNORM);
    EXPECT_EQ(session.lastErrno(), 0);

    // A drawing kept as DXF is named as a drawing file; findfile serves the name.
    session.open(nullptr, "/tmp/somewhere/Plan.dxf");
    EXPECT_EQ(getText(L"DWGNAME"), L"Plan.dwg");
    EXPECT_EQ(getText(L"DWGPREFIX"), L"/tmp/somewhere/");
    EXPECT_EQ(get("DWGTITLED").integer, 1);
    EXPECT_EQ(get("TEMPPREFIX").text.back(), '/');

    db::Entity line;
    line.groups.addText(0, "LINE");
    db().addEntity(line);
    EXPECT_EQ(get("DBMOD").integer, 1);
}

TEST_F(Sysvar, TheHostSetsReadOnlyVariablesItKeeps) {
    EXPECT_FALSE(setSysvar(session, "CMDNAMES", SysvarValue::ofText("LINE")));
    EXPECT_TRUE(setSysvarInternal(session, "CMDNAMES", SysvarValue::ofText("LINE")));
    EXPECT_EQ(get("CMDNAMES").text, "LINE");
    EXPECT_TRUE(setSysvarInternal(session, "UCSORG", SysvarValue::ofPoint(VarType::Point3, 1, 0)));
    EXPECT_EQ(get("WORLDUCS").integer, 0);
    EXPECT_FALSE(setSysvarInternal(session, "CDATE", SysvarValue::ofReal(1)));
    EXPECT_FALSE(setSysvarInternal(session, "CMDACTIVE", SysvarValue::ofText("1")));
}

} // namespace
