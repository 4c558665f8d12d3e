// The command frame around a body: what a modal command finds while it runs
// and that everything is back afterwards, also when the body throws; that
// transparent commands and AutoLISP rows are left alone; the pre-command
// hook's DIMSCALE follow-up and the once-per-drawing conversion mark.
#include "frame/command_frame.h"
#include "frame_fixture.h"
#include "host/lisp/bridge.h"

#include <stdexcept>

namespace vma::test {
namespace {

constexpr int kPaalin = 113;  // vmapaalin, modal
constexpr int kBlipmode = 62; // vmablipm, transparent
constexpr int kDs = 8;        // ds, AutoLISP

// What a body saw of the environment while it ran.
struct Seen {
    int cmdecho = -1;
    int blipmode = -1;
    int attdia = -1;
    int currentRow = -1;
    std::wstring runningApp;
};

Seen& seen() {
    static Seen s;
    return s;
}

void look() {
    Seen& s = seen();
    s = Seen{};
    dv_get_sysvar_int(L"CMDECHO", s.cmdecho);
    dv_get_sysvar_int(L"BLIPMODE", s.blipmode);
    dv_get_sysvar_int(L"ATTDIA", s.attdia);
    dv_store_get_int(dv_store_current(), L"VMAAPPSCurCmdID", s.currentRow);
    DvValue app;
    if (dv_get_lisp_var(L"DV_CUR_APP", RTSTR, app) == 0)
        s.runningApp = app.text;
}

void lookAndThrow() {
    look();
    dv_set_sysvar(L"CMDECHO", RTSHORT, DvValue::ofInt(1));
    throw std::runtime_error("kapot");
}

class CommandFrame : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        makeLayer(L"BOVEN");
        setVar("CLAYER", host::SysvarValue::ofText("BOVEN"));
        for (const char* name : {"CMDECHO", "BLIPMODE", "ATTDIA"})
            setShort(name, 1);
    }
    void expectRestored() {
        EXPECT_EQ(getShort(L"CMDECHO"), 1);
        EXPECT_EQ(getShort(L"BLIPMODE"), 1);
        EXPECT_EQ(getShort(L"ATTDIA"), 1);
        EXPECT_EQ(getText(L"CLAYER"), L"BOVEN");
        int row = -1;
        EXPECT_EQ(dv_store_get_int(dv_store_current(), L"VMAAPPSCurCmdID", row), -1);
    }
    static int runAs(int code, void (*body)()) {
        lisp::FunctionCodeScope scope(code);
        return dv_run_framed(body);
    }
};

TEST_F(CommandFrame, ModalCommandRunsInANeutralEnvironment) {
    EXPECT_EQ(runAs(kPaalin, look), 0);
    EXPECT_EQ(seen().cmdecho, 0);
    EXPECT_EQ(seen().blipmode, 0);
    EXPECT_EQ(seen().attdia, 0);
    EXPECT_EQ(seen().currentRow, kPaalin);
    EXPECT_EQ(seen().runningApp, L"VMAAPPS");
    expectRestored();
    EXPECT_NE(transcript().find(L"\nVelmora - Palen invoegen  (versie 34.92)\n"),
              std::wstring::npos);
}

TEST_F(CommandFrame, ExceptionStillRestoresAndStaysInside) {
    EXPECT_EQ(runAs(kPaalin, lookAndThrow), 0);
    EXPECT_EQ(seen().cmdecho, 0);
    expectRestored();
    EXPECT_NE(transcript().find(L"kapot"), std::wstring::npos) << transcript();
}

TEST_F(CommandFrame, TransparentAndLispRowsAreLeftAlone) {
    for (int code : {kBlipmode, kDs}) {
        driver->clearTranscript();
        EXPECT_EQ(runAs(code, look), 0);
        EXPECT_EQ(seen().cmdecho, 1) << code;
        EXPECT_EQ(seen().currentRow, -1) << code;
        EXPECT_EQ(transcript().find(L"34.92"), std::wstring::npos) << transcript();
        expectRestored();
    }
}

TEST_F(CommandFrame, FirstCommandRegistersTheApplicationName) {
    resbuf* before = acdbTblSearch(L"APPID", L"VMAAPPS", 0);
    EXPECT_EQ(before, nullptr);
    acutRelRb(before);
    runAs(kPaalin, look);
    host::RbList after(acdbTblSearch(L"APPID", L"VMAAPPS", 0));
    EXPECT_NE(after.get(), nullptr);
    EXPECT_EQ(dv_app()->firstCommandRun, 1);
}

TEST_F(CommandFrame, DrawingScaleFollowsDimscale) {
    setVar("DIMSCALE", host::SysvarValue::ofReal(50));
    runAs(kPaalin, look);
    ASSERT_NE(vma_drawing_data(), nullptr);
    EXPECT_DOUBLE_EQ(vma_drawing_data()->scale, 50);
    EXPECT_DOUBLE_EQ(vma_drawing_data()->dimScale, 50);
    EXPECT_DOUBLE_EQ(vma_drawing_data()->mainScale, 1);
    int converted = 0;
    EXPECT_EQ(dv_store_get_int(dv_store_current(), L"VmaConvertDimstyles", converted), 0);
    EXPECT_EQ(converted, 1);
}

} // namespace
} // namespace vma::test
