// The trace-mode command of the loaded module: mode 1 parks both
// configuration files under C:/ and runs on clean ones (with the directories
// the registry knows), mode 0 brings them back unchanged, mode 2 makes
// C:/VMADEBUG.002 the trace file; out-of-range answers are asked again, Enter
// and Esc change nothing.
#include "frame/module_fixture.h"
#include "host/lisp/lisp.h"
#include "windows.h"

#include <filesystem>

namespace vma::test {
namespace {

constexpr const wchar_t* kPrompt =
    L"Tracemodus (0 = uit, 1 = schone configuratie, 2 = tracebestand) <%d>: ";
constexpr const wchar_t* kOutOfRange = L"Waarde buiten het toegestane bereik, probeer opnieuw.";

// The module runs from a folder of its own, so its configuration files lie
// there; the user is JAN, whose file name VMAUSER.JAN has an extension of
// its own.
class DebugMode : public LoadedModule {
protected:
    void SetUp() override {
        LoadedModule::SetUp();
        setenv("DVS", "JAN", 1);
        std::filesystem::create_directories(profile / "drive_c");
        for (const char* name : {"VMAAPPS.ARX", "VMAAPPS.TXT", "VMAAPPS.DCL"})
            std::filesystem::copy_file(moduleDir() / name, folder / name);
        writeFile(systemFile(), "[Eigen]\r\nSleutel=systeem\r\n");
        writeFile(userFile(), "[Eigen]\r\nSleutel=gebruiker\r\n");
    }
    void loadCopy() {
        auto loaded = arx::Loader::get().load(folder / "VMAAPPS.ARX");
        ASSERT_TRUE(loaded.ok()) << loaded.error().message;
        module = loaded.value();
    }
    // Runs vmadebugmode with the answers given.
    void switchTo(std::initializer_list<const wchar_t*> answers) {
        for (const wchar_t* answer : answers)
            driver->type(answer);
        command(L"vmadebugmode");
    }
    static std::wstring prompt(int mode) {
        std::wstring text = kPrompt;
        return text.replace(text.find(L"%d"), 2, std::to_wstring(mode));
    }
    std::filesystem::path systemFile() const { return folder / "VMAAPPS.INI"; }
    std::filesystem::path userFile() const { return folder / "VMAUSER.JAN"; }
    std::filesystem::path onDrive(const std::string& name) const {
        return profile / "drive_c" / name;
    }
    static bool holds(const std::filesystem::path& file, const std::string& text) {
        return std::filesystem::exists(file) && readFile(file).find(text) != std::string::npos;
    }

    TempDir folder;
};

TEST_F(DebugMode, ModeOneParksTheConfigurationAndModeZeroBringsItBack) {
    loadCopy();
    switchTo({L"1"});
    EXPECT_TRUE(std::filesystem::exists(onDrive("VMADEBUG.001")));
    EXPECT_TRUE(holds(onDrive("VMAAPPS.INI"), "Sleutel=systeem"));
    EXPECT_TRUE(holds(onDrive("VMAUSER.JAN"), "Sleutel=gebruiker"));
    EXPECT_FALSE(holds(systemFile(), "Sleutel"));
    EXPECT_FALSE(holds(userFile(), "Sleutel"));

    driver->clearTranscript();
    switchTo({L"0"});
    EXPECT_NE(transcript().find(prompt(1)), std::wstring::npos) << wideToUtf8(transcript());
    EXPECT_FALSE(std::filesystem::exists(onDrive("VMADEBUG.001")));
    EXPECT_FALSE(std::filesystem::exists(onDrive("VMAAPPS.INI")));
    EXPECT_FALSE(std::filesystem::exists(onDrive("VMAUSER.JAN")));
    EXPECT_TRUE(holds(systemFile(), "Sleutel=systeem"));
    EXPECT_TRUE(holds(userFile(), "Sleutel=gebruiker"));

    unload();
    EXPECT_TRUE(holds(systemFile(), "Sleutel=systeem"));
    EXPECT_TRUE(holds(userFile(), "Sleutel=gebruiker"));
}

TEST_F(DebugMode, CleanUserConfigurationTakesTheRegistryDirectories) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Dalvoren\\Velmora\\V34", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t folderName[] = L"D:\\steun";
    RegSetValueExW(key, L"SupDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folderName),
                   sizeof folderName);
    RegCloseKey(key);
    loadCopy();
    switchTo({L"1"});
    unload();
    EXPECT_TRUE(holds(userFile(), "SupDir=D:\\steun\\\r\n")) << readFile(userFile());
    EXPECT_FALSE(holds(userFile(), "Sleutel"));
    EXPECT_FALSE(holds(userFile(), "BlokDir="));
    EXPECT_TRUE(holds(onDrive("VMAUSER.JAN"), "Sleutel=gebruiker"));
}

TEST_F(DebugMode, ModeTwoTracesToItsFileUntilLeft) {
    loadCopy();
    switchTo({L"2"});
    EXPECT_FALSE(std::filesystem::exists(onDrive("VMADEBUG.001")));
    lisp::evaluateText(L"(t:get_ini \"VMAAPPS.INI\" \"Eigen\" \"Sleutel\")");
    EXPECT_TRUE(
        holds(onDrive("VMADEBUG.002"), "Item [Sleutel] in rubriek [Eigen] van [VMAAPPS.INI]"))
        << readFile(onDrive("VMADEBUG.002"));
    driver->clearTranscript();
    switchTo({L"0"});
    EXPECT_NE(transcript().find(prompt(2)), std::wstring::npos) << wideToUtf8(transcript());
    EXPECT_FALSE(std::filesystem::exists(onDrive("VMADEBUG.002")));
    EXPECT_TRUE(holds(systemFile(), "Sleutel=systeem"));
}

TEST_F(DebugMode, OutOfRangeAsksAgainAndEnterOrEscChangeNothing) {
    loadCopy();
    driver->clearTranscript();
    switchTo({L"3", L"-1", L"2"});
    EXPECT_EQ(count(kOutOfRange), 2u) << wideToUtf8(transcript());
    EXPECT_EQ(count(prompt(0)), 3u);
    EXPECT_TRUE(std::filesystem::exists(onDrive("VMADEBUG.002")));

    driver->clearTranscript();
    switchTo({L""});
    driver->esc();
    command(L"vmadebugmode");
    switchTo({L"2"});
    EXPECT_EQ(count(prompt(2)), 3u) << wideToUtf8(transcript());
    EXPECT_TRUE(std::filesystem::exists(onDrive("VMADEBUG.002")));
}

} // namespace
} // namespace vma::test
