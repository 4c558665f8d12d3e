// Commands of the loaded module: a framed command prints its header from the
// catalogue and leaves CMDECHO, BLIPMODE, ATTDIA and the layer as it found
// them; the three toggles; F1 during a command; the header from a script run
// by vmacon; the dialog file named in the user configuration.
#include "host/win/keyboard.h"
#include "module_fixture.h"
#include "support/process.h"

namespace vma::test {
namespace {

constexpr const wchar_t* kPaalinHeader = L"\nVelmora - Palen invoegen  (versie 34.92)\n";

TEST_F(LoadedModule, FramedCommandPrintsHeaderAndRestores) {
    host::RbList layer(
        acutBuildList(RTDXF0, L"LAYER", 2, L"BOVEN", 70, 0, 62, 1, 6, L"CONTINUOUS", 0));
    ASSERT_EQ(acdbEntMake(layer.get()), RTNORM);
    setVar("CLAYER", host::SysvarValue::ofText("BOVEN"));
    for (const char* name : {"CMDECHO", "BLIPMODE", "ATTDIA"})
        setVar(name, host::SysvarValue::ofShort(1));
    load();
    driver->clearTranscript();
    command(L"vmapaalin");
    EXPECT_EQ(count(kPaalinHeader), 1u) << wideToUtf8(transcript());
    EXPECT_EQ(getShort(L"CMDECHO"), 1);
    EXPECT_EQ(getShort(L"BLIPMODE"), 1);
    EXPECT_EQ(getShort(L"ATTDIA"), 1);
    resbuf clayer{};
    ASSERT_EQ(acedGetVar(L"CLAYER", &clayer), RTNORM);
    EXPECT_EQ(std::wstring(clayer.resval.rstring), L"BOVEN");
    free(clayer.resval.rstring);
}

struct ToggleCase {
    const wchar_t* command;
    const char* variable;
    int before;
    int after;
    const wchar_t* line;
};

TEST_F(LoadedModule, TogglesSwitchTheirVariable) {
    load();
    const ToggleCase cases[] = {
        {L"vmablipm", "BLIPMODE", 0, 1, L"\nBLIPMODE is ingeschakeld.\n"},
        {L"vmablipm", "BLIPMODE", 1, 0, L"\nBLIPMODE is uitgeschakeld.\n"},
        {L"vmahighl", "HIGHLIGHT", 1, 0, L"\nHIGHLIGHT is uitgeschakeld.\n"},
        {L"vmahighl", "HIGHLIGHT", 0, 1, L"\nHIGHLIGHT is ingeschakeld.\n"},
        {L"vmaucsys", "UCSICON", 3, 2, L"\nUCSICON is uitgeschakeld.\n"},
        {L"vmaucsys", "UCSICON", 2, 3, L"\nUCSICON is ingeschakeld.\n"},
    };
    for (const ToggleCase& c : cases) {
        setVar(c.variable, host::SysvarValue::ofShort(c.before));
        driver->clearTranscript();
        command(c.command);
        EXPECT_EQ(getShort(utf8ToWide(c.variable).c_str()), c.after) << c.variable;
        EXPECT_NE(transcript().find(c.line), std::wstring::npos) << wideToUtf8(transcript());
        // Outside the frame: no header.
        EXPECT_EQ(transcript().find(L"34.92"), std::wstring::npos);
    }
}

TEST_F(LoadedModule, TransparentCommandLeavesCmdechoAndPrintsNoHeader) {
    setVar("CMDECHO", host::SysvarValue::ofShort(1));
    load();
    driver->clearTranscript();
    command(L"vmahlpln");
    EXPECT_EQ(transcript().find(L"34.92"), std::wstring::npos) << wideToUtf8(transcript());
    EXPECT_EQ(getShort(L"CMDECHO"), 1);
}

TEST_F(LoadedModule, F1DuringACommandOpensItsHelp) {
    load();
    setVar("CMDNAMES", host::SysvarValue::ofText("VMACLOTH"));
    EXPECT_TRUE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_NE(transcript().find(L"Help request: VMAAPPS.HLP, context 1044"), std::wstring::npos)
        << wideToUtf8(transcript());
}

TEST_F(LoadedModule, DialogFileNamedInTheConfiguration) {
    writeFile(userConfig(), "[Algemeen]\r\nDCLFileNaam=D:\\elders\\vmaapps\r\n");
    load();
    std::wstring expected = L"\\VMA\\vmaapps.DCL...";
    EXPECT_NE(transcript().find(expected), std::wstring::npos) << wideToUtf8(transcript());
    EXPECT_EQ(transcript().find(L"not found"), std::wstring::npos);
}

TEST_F(LoadedModule, MissingConfiguredDialogFileFallsBackToTheDefault) {
    writeFile(userConfig(), "[Algemeen]\r\nDCLFileNaam=ONTBREEKT\r\n");
    load();
    // The alert line is cut at 77 characters, so only its start is sure.
    EXPECT_NE(transcript().find(L"ERROR: DCL-file '"), std::wstring::npos)
        << wideToUtf8(transcript());
    EXPECT_NE(transcript().find(L"ONTBREEKT.DCL' not found!"), std::wstring::npos)
        << wideToUtf8(transcript());
    EXPECT_EQ(count(L"...Ready!"), 1u);
}

TEST(ModuleScript, HeaderIsPrintedFromAScript) {
    TempDir dir;
    writeFile(dir / "run.scr", "vmapaalin\nvmacloth\n");
    ProcessResult run = runProcess(VMA_BINARY_DIR "/bin/vmacon",
                                   {"--arx", VMA_BINARY_DIR "/vma/VMAAPPS.ARX", "--profile",
                                    dir.path().string(), "-s", (dir / "run.scr").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Velmora - Palen invoegen  (versie 34.92)"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Velmora - Clothoide  (versie 34.92)"), std::string::npos) << run.out;
}

// A module folder without any dialog file: the alert says so, and the module
// still loads and runs its commands.
TEST_F(LoadedModule, WithoutAnyDialogFileTheModuleKeepsWorking) {
    TempDir folder;
    for (const char* name : {"VMAAPPS.ARX", "VMAAPPS.TXT"})
        std::filesystem::copy_file(moduleDir() / name, folder / name);
    auto loaded = arx::Loader::get().load(folder / "VMAAPPS.ARX");
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    module = loaded.value();
    EXPECT_NE(transcript().find(L"Kan dialog-box file"), std::wstring::npos)
        << wideToUtf8(transcript());
    EXPECT_EQ(count(L"...Ready!"), 0u);
    const int before = getShort(L"BLIPMODE");
    command(L"vmablipm");
    EXPECT_EQ(getShort(L"BLIPMODE"), 1 - before);
}

} // namespace
} // namespace vma::test
