// The module loaded through the host's plug-in loader: every row registered
// under its function code at load and again for each drawing, what each
// message leaves behind, the dialog file loaded once, the empty-drawing
// notice as a box or on the command line, and the group gone at unload.
#include "accmd.h"
#include "host/lisp/bridge.h"
#include "host/win/keyboard.h"
#include "module_fixture.h"

namespace vma::test {
namespace {

void expectRegistered(host::Document& doc) {
    AcEdCommandStack* stack = acedRegCmds;
    ASSERT_NE(stack, nullptr);
    int code = 0;
    for (const CommandEntry& row : dv_command_table()) {
        std::string name = wideToUtf8(row.name);
        if (isLispRow(row)) {
            lisp::Value fn = lisp::definedSubr(doc, upperName(row.name));
            ASSERT_TRUE(fn) << name;
            EXPECT_EQ(fn->integer, code) << name;
        } else {
            AcEdCommand* command = stack->lookupGlobalCmd(row.name);
            ASSERT_NE(command, nullptr) << name;
            EXPECT_EQ(command->functionCode(), code) << name;
            EXPECT_EQ(command->commandFlags(), row.commandFlags) << name;
            EXPECT_NE(input::CommandRegistry::get().find(row.name), nullptr) << name;
        }
        ++code;
    }
}

TEST_F(LoadedModule, RegistersEveryRowUnderItsFunctionCode) {
    load();
    expectRegistered(host::Session::get().current());
    // The grid-line command is also an AutoLISP function, under its own code.
    for (const wchar_t* alias : {L"C:VMASTRAM", L"VMASTRAM"}) {
        lisp::Value fn = lisp::definedSubr(host::Session::get().current(), alias);
        ASSERT_TRUE(fn) << wideToUtf8(alias);
        EXPECT_EQ(fn->integer, 78);
    }
}

TEST_F(LoadedModule, SecondDrawingRegistersAgainWithoutReloadingTheDialogFile) {
    load();
    EXPECT_EQ(count(L"Loading dialog-box"), 1u) << wideToUtf8(transcript());
    EXPECT_EQ(count(L"...Ready!"), 1u) << wideToUtf8(transcript());
    host::Document& second = host::Session::get().open(nullptr);
    expectRegistered(second);
    EXPECT_EQ(count(L"Loading dialog-box"), 1u);
}

TEST_F(LoadedModule, LoadPreparesTheDrawingAndUnloadUndoesIt) {
    load();
    resbuf* value = nullptr;
    ASSERT_EQ(acedGetSym(L"#VMADIR", &value), RTNORM);
    host::RbList dir(value);
    ASSERT_EQ(value->restype, RTSTR);
    EXPECT_NE(std::wstring(value->resval.rstring).find(L"VMA\\"), std::wstring::npos);
    resbuf* date = nullptr;
    ASSERT_EQ(acedGetSym(L"#DVAV", &date), RTNORM);
    EXPECT_EQ(date->restype, RTREAL);
    acutRelRb(date);

    unload();
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"vmapaalin"), nullptr);
    EXPECT_EQ(input::CommandRegistry::get().find(L"vmapaalin"), nullptr);
    setVar("CMDNAMES", host::SysvarValue::ofText("VMAPAALIN"));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
}

TEST_F(LoadedModule, EmptyDrawingNoticeAsABox) {
    load();
    EXPECT_EQ(count(L"Deze tekening is leeg."), 1u) << wideToUtf8(transcript());
    size_t box = transcript().find(L"** ");
    ASSERT_NE(box, std::wstring::npos) << wideToUtf8(transcript());
    EXPECT_LT(box, transcript().find(L"Deze tekening is leeg."));
    EXPECT_NE(transcript().find(L"zodat schaal en eenheid bekend zijn."), std::wstring::npos);
}

TEST_F(LoadedModule, EmptyDrawingNoticeOnTheCommandLine) {
    writeFile(userConfig(), "[Algemeen]\r\nToonLegeDWGMelding=0\r\n");
    load();
    EXPECT_EQ(count(L"\nDeze tekening is leeg."), 1u) << wideToUtf8(transcript());
    EXPECT_EQ(count(L"\nStel eerst de tekening in"), 1u);
    EXPECT_EQ(transcript().find(L"** "), std::wstring::npos) << wideToUtf8(transcript());
}

TEST_F(LoadedModule, DrawingWithContentGetsNoNotice) {
    ads_point a = {0, 0, 0}, b = {10, 0, 0};
    host::RbList line(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 0));
    ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
    load();
    EXPECT_EQ(count(L"Deze tekening is leeg."), 0u);
    host::RbList app(acdbTblSearch(L"APPID", L"VMAAPPS", 0));
    EXPECT_NE(app.get(), nullptr);
}

TEST_F(LoadedModule, LanguageOutOfRangeIsWrittenBackAsZero) {
    writeFile(userConfig(), "[Voorkeur]\r\nTaal=5\r\n");
    load();
    EXPECT_NE(transcript().find(L"Deze tekening is leeg."), std::wstring::npos);
    unload();
    EXPECT_NE(readFile(userConfig()).find("Taal=0\r\n"), std::string::npos)
        << readFile(userConfig());
}

TEST_F(LoadedModule, LanguageSwitchesTheCatalogue) {
    writeFile(userConfig(), "[Voorkeur]\r\nTaal=1\r\n");
    load();
    EXPECT_NE(transcript().find(L"This drawing is empty."), std::wstring::npos)
        << wideToUtf8(transcript());
}

} // namespace
} // namespace vma::test
