// The toolkit routines that work through CAD commands, checked by what they
// send: recording stand-ins for LAYER, DIM and UNDO take the answers and do
// the little the routines rely on (Set and Make change CLAYER).
#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "host/input/commands.h"
#include "host/sysvar/access.h"
#include "toolkit/dv_commands.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"
#include "toolkit_fixture.h"

#include <vector>

namespace vma::test {
namespace {

class Commands : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        auto& registry = input::CommandRegistry::get();
        registry.add(L"LAYER", [this] { record(L"LAYER", L""); });
        registry.add(L"DIM", [this] { record(L"DIM", L"_EXIT"); });
        registry.add(L"UNDO", [this] { record(L"UNDO", L"", 1); });
    }
    void TearDown() override {
        auto& registry = input::CommandRegistry::get();
        for (const wchar_t* name : {L"LAYER", L"DIM", L"UNDO"})
            registry.remove(name);
        ToolkitTest::TearDown();
    }
    // Reads answers up to the one that ends the command (or count answers).
    void record(const wchar_t* command, const wchar_t* end, size_t count = 0) {
        sent.push_back(command);
        for (size_t n = 0; count == 0 || n < count; ++n) {
            wchar_t answer[256] = {};
            if (acedGetString(0, L"", answer, 256) != RTNORM)
                return;
            sent.emplace_back(answer);
            if (sent.size() >= 2 &&
                (sent[sent.size() - 2] == L"_Set" || sent[sent.size() - 2] == L"_M"))
                dv_set_sysvar(L"CLAYER", RTSTR, DvValue::ofText(answer));
            if (std::wstring(answer) == end)
                return;
        }
    }
    void makeStyle(const wchar_t* name) {
        resbuf* list = acutBuildList(RTDXF0, L"DIMSTYLE", 100, L"AcDbSymbolTableRecord", 100,
                                     L"AcDbDimStyleTableRecord", 2, name, 70, 0, 40, 1.0, 0);
        ASSERT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
    }
    std::vector<std::wstring> sent;
};

using Tokens = std::vector<std::wstring>;

TEST_F(Commands, ExistingLayerIsSet) {
    makeLayer(L"MUUR");
    EXPECT_EQ(dv_set_layer(L"MUUR", 1, nullptr, 0), 0);
    EXPECT_EQ(sent, (Tokens{L"LAYER", L"_Set", L"MUUR", L""}));
}

TEST_F(Commands, MissingLayerIsMadeWithColourAndLinetype) {
    EXPECT_EQ(dv_set_layer(L"PAAL", 3, L"DASHED", 0), 0);
    EXPECT_EQ(sent, (Tokens{L"LAYER", L"_M", L"PAAL", L"_C", L"3", L"PAAL", L"_L", L"DASHED",
                            L"PAAL", L""}));
}

TEST_F(Commands, ColourByLayerSendsNoColour) {
    dv_set_layer(L"PAAL", 256, nullptr, 0);
    EXPECT_EQ(sent, (Tokens{L"LAYER", L"_M", L"PAAL", L""}));
}

struct Keep {
    const wchar_t* name;
    int bracket;
    bool sends;
};

class CurrentLayerName : public Commands, public ::testing::WithParamInterface<Keep> {};

TEST_P(CurrentLayerName, KeepsOrChangesTheLayer) {
    EXPECT_EQ(dv_set_layer(GetParam().name, 1, nullptr, GetParam().bracket), 0);
    EXPECT_EQ(!sent.empty(), GetParam().sends) << wideToUtf8(GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, CurrentLayerName,
                         ::testing::Values(Keep{L"<CURRENT>", 1, false},
                                           Keep{L"<current>", 1, false}, Keep{L"CURRENT", 0, false},
                                           Keep{L"<CURRENT>", 0, true}, Keep{L"CURRENT", 1, true}));

TEST_F(Commands, DimscaleGoesIntoTheStyleRecordWithoutACommand) {
    makeStyle(L"VMA");
    host::SysvarValue style;
    style.type = host::VarType::Text;
    style.text = "VMA";
    ASSERT_TRUE(host::setSysvarInternal(host::Session::get(), "DIMSTYLE", style).ok());
    EXPECT_EQ(dv_set_dimvar(L"DIMSCALE", RTREAL, DvValue::ofReal(50)), 0);
    EXPECT_TRUE(sent.empty());
    resbuf* record = acdbTblSearch(L"DIMSTYLE", L"VMA", 0);
    ASSERT_NE(record, nullptr);
    double scale = 0;
    for (resbuf* rb = record; rb; rb = rb->rbnext) {
        if (rb->restype == 40)
            scale = rb->resval.rreal;
    }
    acutRelRb(record);
    EXPECT_EQ(scale, 50);
}

TEST_F(Commands, EqualValueSendsNothing) {
    double present = 0;
    dv_get_sysvar_real(L"DIMTXT", present);
    EXPECT_EQ(dv_set_dimvar(L"DIMTXT", RTREAL, DvValue::ofReal(present + 1e-7)), 0);
    EXPECT_TRUE(sent.empty());
}

TEST_F(Commands, OtherDimvarIsSavedIntoTheCurrentStyle) {
    std::wstring style;
    dv_get_sysvar_string(L"DIMSTYLE", style);
    EXPECT_EQ(dv_set_dimvar(L"DIMTXT", RTREAL, DvValue::ofReal(3.5)), 0);
    EXPECT_EQ(sent, (Tokens{L"DIM", L"_SAVE", style, L"_Y", L"_EXIT"}));
    double now = 0;
    dv_get_sysvar_real(L"DIMTXT", now);
    EXPECT_EQ(now, 3.5);
}

TEST_F(Commands, UnsupportedDimvarType) {
    EXPECT_EQ(dv_set_dimvar(L"DIMTXT", RTENAME, DvValue{}), DV_FAILED);
    EXPECT_EQ(dv_set_dimvar_all_styles(L"DIMTXT", RTPOINT, DvValue{}), DV_FAILED);
}

TEST_F(Commands, AllStylesAreRestoredComparedAndSaved) {
    makeStyle(L"VMA");
    std::wstring start;
    dv_get_sysvar_string(L"DIMSTYLE", start);
    EXPECT_EQ(dv_set_dimvar_all_styles(L"DIMTXT", RTREAL, DvValue::ofReal(4.0)), 0);
    // Every style is saved: the recording DIM restores nothing, so the first
    // save leaves the value set and the others find it equal; what counts is
    // that each style is restored before it is compared.
    Tokens restores;
    for (size_t i = 0; i + 1 < sent.size(); ++i) {
        if (sent[i] == L"_RESTORE")
            restores.push_back(sent[i + 1]);
    }
    EXPECT_EQ(restores, (Tokens{start, L"VMA", start}));
    int expert = -1;
    dv_get_sysvar_int(L"EXPERT", expert);
    EXPECT_EQ(expert, 0);
}

TEST_F(Commands, UndoGroupWithUndoControlAboveThree) {
    dv_undo_begin();
    dv_undo_end();
    EXPECT_EQ(sent, (Tokens{L"UNDO", L"_G", L"UNDO", L"_E"}));
}

TEST_F(Commands, UndoEndFreesTheImpliedSelection) {
    ads_name ss{};
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    dv_store_set_ename(dv_store_current(), L"DvArxImpliedSelSet", ss, 1);
    dv_undo_end();
    Int32 length = 0;
    EXPECT_EQ(acedSSLength(ss, &length), RTERROR);
    ads_name left{};
    EXPECT_EQ(dv_store_get_ename(dv_store_current(), L"DvArxImpliedSelSet", left), -1);
}

} // namespace
} // namespace vma::test
