// The settings store's AutoLISP functions as a LISP program calls them:
// results and their shapes, the type choice of t:get_ini and t:set_ini, the
// complaints and syntax lines for bad arguments, unknown handles, and what
// reaches the disk after writing, releasing and dropping.
#include "acedads.h"
#include "frame/command_table.h"
#include "host/lisp/lisp.h"
#include "settings/dv_ini.h"
#include "settings_fixture.h"
#include "support/process.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vma::test {
namespace {

// Rows of the command table that hold the settings store's functions.
constexpr int kFirstRow = 40;
constexpr int kLastRow = 58;

constexpr const wchar_t* kNoArguments = L"FOUT: Incorrect aantal argumenten meegegeven!\n";
constexpr const wchar_t* kWrongType = L"FOUT: Verkeerd type argument meegegeven!\n";
constexpr const wchar_t* kWrongArguments =
    L"FOUT: Incorrect aantal of verkeerd type argumenten meegegeven!\n";

struct Step {
    const wchar_t* call;
    const wchar_t* result; // printed form
};

// A call whose printed lines are checked too.
struct PrintingCall {
    const wchar_t* call;
    const wchar_t* result;
    const wchar_t* complaint; // null: none
    const wchar_t* syntax;    // null: none
};

// The module's catalogue, built beside it.
std::wstring catalogueFile() {
    return utf8ToWide(VMA_BINARY_DIR "/vma/VMAAPPS.TXT");
}

class IniLisp : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        std::filesystem::create_directories(profile / "drive_c");
        ASSERT_EQ(dv_catalogue_open(catalogueFile().c_str(), 3, 0), 0);
        dv_ini_save_all(3);
        for (int code = kFirstRow; code <= kLastRow; ++code) {
            const CommandEntry* row = dv_command_row(code);
            ASSERT_EQ(acedDefun(row->name, code), RTNORM);
            acedRegFunc(row->function, code);
        }
    }
    void TearDown() override {
        dv_ini_save_all(3);
        SettingsTest::TearDown();
    }

    // The transcript form of the value; what was transcript is in `transcript`.
    std::wstring run(std::wstring_view text) {
        transcript.clear();
        return lisp::evaluateText(text);
    }
    // Runs each call and compares its printed result.
    void play(std::initializer_list<Step> steps) {
        for (const Step& step : steps)
            EXPECT_EQ(run(step.call), step.result) << wideToUtf8(step.call);
    }
    // Runs each call and compares its result and what it printed.
    template <size_t N> void playPrinting(const PrintingCall (&cases)[N]) {
        for (const PrintingCall& c : cases) {
            EXPECT_EQ(run(c.call), c.result) << wideToUtf8(c.call);
            const std::wstring printed =
                std::wstring(c.complaint ? c.complaint : L"") + (c.syntax ? c.syntax : L"");
            EXPECT_EQ(transcript, printed) << wideToUtf8(c.call);
        }
    }
    std::filesystem::path onDrive(const std::string& name) const {
        return profile / "drive_c" / name;
    }
    // Opens C:/instel.INI holding content.
    void openWith(const std::string& content) {
        writeFile(onDrive("instel.INI"), content);
        ASSERT_EQ(run(L"(setq h (t:init_ini \"C:/instel\"))"), L"\"instel.INI\"");
    }
};

TEST_F(IniLisp, TheTableRowsCarryTheFunctions) {
    for (int code = kFirstRow; code <= kLastRow; ++code) {
        const std::wstring name = dv_command_row(code)->name;
        EXPECT_EQ(name.rfind(L"t:", 0), 0u) << code;
        EXPECT_NE(dv_command_row(code)->function, nullptr) << code;
    }
}

TEST_F(IniLisp, InitGivesTheHandleAndAListWhenAlreadyOpen) {
    play({
        {L"(t:init_ini \"C:/instel\")", L"\"instel.INI\""},
        {L"(t:init_ini \"C:/instel\")", L"(\"instel.INI\")"},
        {L"(t:ini_is_open \"INSTEL.INI\")", L"T"},
        {L"(t:get_full_ini_name \"instel.INI\")", L"\"C:/instel.INI\""},
    });
    EXPECT_TRUE(transcript.empty()) << wideToUtf8(transcript);
}

struct GetCase {
    const wchar_t* typeArgument;
    const wchar_t* result;
};

TEST_F(IniLisp, GetIniReturnsTheTypeItsFourthArgumentChooses) {
    openWith("[Maten]\r\nBreedte=1.5\r\nPunt=1.5,2\r\nRuimte=1,2,3\r\n");
    const GetCase breedte[] = {
        {L"", L"\"1.5\""}, {L"0", L"\"1.5\""},     {L"1", L"1"},         {L"7", L"1"},
        {L"2", L"1.5"},    {L"3", L"nil"},         {L"4", L"nil"},       {L"2.0", L"1.5"},
        {L"70000", L"1"},  {L"\"x\"", L"\"1.5\""}, {L"nil", L"\"1.5\""},
    };
    for (const GetCase& c : breedte) {
        const std::wstring call =
            L"(t:get_ini h \"maten\" \"BREEDTE\" " + std::wstring(c.typeArgument) + L")";
        EXPECT_EQ(run(call), c.result) << wideToUtf8(call);
    }
    play({
        {L"(t:get_ini h \"Maten\" \"Punt\" 3)", L"(1.5 2.0)"},
        {L"(t:get_ini h \"Maten\" \"Punt\" '(0.0 0.0))", L"(1.5 2.0)"},
        {L"(t:get_ini h \"Maten\" \"Ruimte\" 4)", L"(1.0 2.0 3.0)"},
        {L"(t:get_ini h \"Maten\" \"Ruimte\" '(0.0 0.0 0.0))", L"(1.0 2.0 3.0)"},
        {L"(t:get_ini h \"Maten\" \"Hoogte\")", L"nil"},
        {L"(t:get_ini h \"Elders\" \"Breedte\")", L"nil"},
    });
    EXPECT_TRUE(transcript.empty()) << wideToUtf8(transcript);
}

TEST_F(IniLisp, SetIniStoresByTheValueTypeAndTheWriteReachesTheDisk) {
    openWith("");
    play({
        {L"(t:set_ini h \"Maten\" \"Breedte\" 2.5)", L"T"},
        {L"(t:set_ini h \"Maten\" \"Punt\" '(1.0 2.0))", L"T"},
        {L"(t:set_ini h \"Maten\" \"Ruimte\" '(1.0 2.0 3.0))", L"T"},
        {L"(t:set_ini h \"Maten\" \"Aantal\" 12)", L"T"},
        {L"(t:set_ini h \"Maten\" \"Veel\" 100000)", L"T"},
        {L"(t:set_ini h \"Maten\" \"Naam\" \"Ligger A\")", L"T"},
        {L"(t:get_ini h \"Maten\" \"Punt\" 3)", L"(1.0 2.0)"},
        {L"(t:write_ini h)", L"nil"},
        {L"(t:ini_is_open h)", L"nil"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")),
              "[Maten]\r\nBreedte=2.500000\r\nPunt=1.000000,2.000000\r\n"
              "Ruimte=1.000000,2.000000,3.000000\r\nAantal=12\r\nVeel=100000\r\n"
              "Naam=Ligger A\r\n");
}

TEST_F(IniLisp, SetIniRefusesValuesOfOtherTypes) {
    openWith("[Maten]\r\nBreedte=1\r\n");
    dv_debug_set_level(1);
    struct Refused {
        const wchar_t* value;
        const wchar_t* printed;
    };
    const Refused values[] = {
        {L"nil", L"Onbekend variabeletype 5019 kan niet worden opgeslagen\n"},
        {L"T", L"Onbekend variabeletype 5021 kan niet worden opgeslagen\n"},
        {L"'(\"a\" \"b\")", L"Onbekend variabeletype 5016 kan niet worden opgeslagen\n"},
    };
    for (const Refused& refused : values) {
        const std::wstring call =
            L"(t:set_ini h \"Maten\" \"Breedte\" " + std::wstring(refused.value) + L")";
        EXPECT_EQ(run(call), L"nil") << wideToUtf8(call);
        EXPECT_EQ(transcript, refused.printed);
    }
    EXPECT_EQ(run(L"(t:get_ini h \"Maten\" \"Breedte\")"), L"\"1\"");
}

constexpr const wchar_t* kInitSyntax = L"Syntax : (t:init_ini \"full_ini_name\")\n";
constexpr const wchar_t* kGetSyntax =
    L"Syntax : (t:get_ini \"ini_handle\" \"rubriek\" \"item\" [var_type] )\n";
constexpr const wchar_t* kSetSyntax =
    L"Syntax : (t:set_ini \"ini_handle\" \"rubriek\" \"item\" \"waarde\" )\n";
constexpr const wchar_t* kDelSyntax = L"Syntax : (t:del_ini \"ini_handle\" \"rubriek\" \"item\")\n";
constexpr const wchar_t* kRubriekSyntax =
    L"Syntax : (t:get_ini_rubriek \"ini_handle\" \"rubriek\")\n";
constexpr const wchar_t* kGetNameSyntax = L"Syntax : (t:get_full_ini_name \"ini_handle\")\n";
constexpr const wchar_t* kSetNameSyntax =
    L"Syntax : (t:set_full_ini_name \"ini_handle\" \"full_ini_name\")\n";
constexpr const wchar_t* kWriteSyntax = L"Syntax : (t:write_ini \"ini_handle\" [mode])\n";
constexpr const wchar_t* kFreeSyntax = L"Syntax : (t:free_ini \"ini_handle\")\n";

TEST_F(IniLisp, BadArgumentsGiveTheComplaintAndTheSyntaxLine) {
    const PrintingCall cases[] = {
        {L"(t:init_ini)", L"nil", kNoArguments, kInitSyntax},
        {L"(t:init_ini 5)", L"nil", kWrongType, kInitSyntax},
        {L"(t:get_ini \"h\" \"A\")", L"nil", kWrongArguments, kGetSyntax},
        {L"(t:get_ini \"h\" 1.0 \"B\")", L"nil", kWrongArguments, kGetSyntax},
        {L"(t:set_ini \"h\" \"A\" \"B\")", L"nil", kWrongArguments, kSetSyntax},
        {L"(t:set_ini)", L"nil", kNoArguments, kSetSyntax},
        {L"(t:del_ini 1 2 3)", L"nil", kWrongType, kDelSyntax},
        {L"(t:get_ini_rubriek \"h\")", L"nil", kWrongArguments, kRubriekSyntax},
        {L"(t:get_full_ini_name 1)", L"nil", kWrongType, kGetNameSyntax},
        {L"(t:set_full_ini_name \"h\")", L"nil", kWrongArguments, kSetNameSyntax},
        {L"(t:write_ini)", L"nil", kNoArguments, kWriteSyntax},
        {L"(t:free_ini 5)", L"nil", kWrongType, kFreeSyntax},
        {L"(t:ini_is_open 5)", L"nil", nullptr, nullptr},
        {L"(t:ini_is_open)", L"nil", nullptr, nullptr},
        {L"(t:del_ini_rubriek \"h\")", L"nil", nullptr, nullptr},
        {L"(t:copy_ini_rubriek \"h\" \"A\")", L"nil", nullptr, nullptr},
        {L"(t:get_ini_rubrieken 1)", L"nil", nullptr, nullptr},
        {L"(t:get_ini_rubriek_name)", L"nil", nullptr, nullptr},
        {L"(t:get_ini_item_name \"h\" \"A\" 3)", L"nil", nullptr, nullptr},
        {L"(t:reinit_ini 1)", L"nil", nullptr, nullptr},
        {L"(t:toon_ini)", L"nil", nullptr, nullptr},
        {L"(t:edit_ini 1)", L"nil", nullptr, nullptr},
    };
    playPrinting(cases);
}

TEST_F(IniLisp, ArgumentsBeyondThoseListedAreIgnored) {
    openWith("[A]\r\nB=1\r\n");
    play({
        {L"(t:get_ini h \"A\" \"B\" 1 \"extra\" 5)", L"1"},
        {L"(t:ini_is_open h 1 2)", L"T"},
    });
    EXPECT_TRUE(transcript.empty()) << wideToUtf8(transcript);
}

TEST_F(IniLisp, UnknownHandlesAreQuietExceptWhereTheyPrintTheirSyntax) {
    const PrintingCall cases[] = {
        {L"(t:del_ini \"NIETS.INI\" \"A\" \"B\")", L"T", nullptr, nullptr},
        {L"(t:copy_ini_rubriek \"NIETS.INI\" \"A\" \"B\")", L"T", nullptr, nullptr},
        {L"(t:free_ini \"NIETS.INI\")", L"T", nullptr, nullptr},
        {L"(t:toon_ini \"NIETS.INI\")", L"T", nullptr, nullptr},
        {L"(t:save_all_ini)", L"T", nullptr, nullptr},
        {L"(t:set_ini \"NIETS.INI\" \"A\" \"B\" \"C\")", L"T", nullptr, nullptr},
        {L"(t:get_ini \"NIETS.INI\" \"A\" \"B\")", L"nil", nullptr, nullptr},
        {L"(t:del_ini_rubriek \"NIETS.INI\" \"A\")", L"nil", nullptr, nullptr},
        {L"(t:get_ini_rubrieken \"NIETS.INI\")", L"nil", nullptr, nullptr},
        {L"(t:get_ini_rubriek_name \"NIETS.INI\" \"A\")", L"nil", nullptr, nullptr},
        {L"(t:get_ini_item_name \"NIETS.INI\" \"A\" \"B\")", L"nil", nullptr, nullptr},
        {L"(t:reinit_ini \"NIETS.INI\")", L"nil", nullptr, nullptr},
        {L"(t:ini_is_open \"NIETS.INI\")", L"nil", nullptr, nullptr},
        {L"(t:write_ini \"NIETS.INI\")", L"nil", nullptr, nullptr},
        {L"(t:get_full_ini_name \"NIETS.INI\")", L"nil", nullptr, kGetNameSyntax},
        {L"(t:set_full_ini_name \"NIETS.INI\" \"C:/elders\")", L"nil", nullptr, kSetNameSyntax},
        {L"(t:get_ini_rubriek \"NIETS.INI\" \"A\")", L"nil", kWrongArguments, kRubriekSyntax},
    };
    playPrinting(cases);
}

TEST_F(IniLisp, SectionsAreListedCopiedAndDeleted) {
    openWith("[Maten]\r\n; breedte in mm\r\nBreedte=100\r\nHoogte=200\r\n[Kleuren]\r\n; "
             "rand\r\nRand=1\r\n");
    EXPECT_EQ(run(L"(t:get_ini_rubriek h \"MATEN\")"),
              L"((\"Breedte\" . \"100\") (\"Hoogte\" . \"200\"))");
    play({
        {L"(t:get_ini_rubrieken h)", L"(\"Maten\" \"Kleuren\")"},
        {L"(t:get_ini_rubriek_name h \"kleuren\")", L"\"Kleuren\""},
        {L"(t:get_ini_rubriek_name h \"Vormen\")", L"nil"},
        {L"(t:get_ini_item_name h \"maten\" \"HOOGTE\")", L"\"Hoogte\""},
        {L"(t:get_ini_item_name h \"maten\" \"Diepte\")", L"nil"},
    });

    play({
        {L"(t:copy_ini_rubriek h \"Maten\" \"Kopie\")", L"T"},
        {L"(t:get_ini h \"Kopie\" \"Hoogte\" 1)", L"200"},
        {L"(t:del_ini h \"Kopie\" \"Breedte\")", L"T"},
        {L"(t:get_ini h \"Kopie\" \"Breedte\")", L"nil"},
    });

    play({
        {L"(t:del_ini_rubriek h \"Kleuren\")", L"T"},
        {L"(t:del_ini_rubriek h \"Kleuren\")", L"nil"},
        {L"(t:get_ini_rubrieken h)", L"(\"Maten\" \"**DELETED** Kleuren\" \"Kopie\")"},
    });
    EXPECT_TRUE(transcript.empty()) << wideToUtf8(transcript);

    EXPECT_EQ(run(L"(t:get_ini_rubriek h \"Kleuren\")"), L"nil");
    EXPECT_EQ(transcript, std::wstring(kWrongArguments) + kRubriekSyntax);
}

TEST_F(IniLisp, WriteModeZeroKeepsTheFileOpenAndOtherModesRelease) {
    openWith("[A]\r\nB=1\r\n");
    play({
        {L"(t:set_ini h \"A\" \"B\" \"2\")", L"T"},
        {L"(t:write_ini h 0)", L"nil"},
        {L"(t:ini_is_open h)", L"T"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=2\r\n");
    play({
        {L"(t:set_ini h \"A\" \"B\" \"3\")", L"T"},
        {L"(t:write_ini h 5)", L"nil"},
        {L"(t:ini_is_open h)", L"nil"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=3\r\n");
    play({
        {L"(t:init_ini \"C:/instel\")", L"\"instel.INI\""},
        {L"(t:write_ini h \"0\")", L"nil"},
        {L"(t:ini_is_open h)", L"nil"},
    });
}

TEST_F(IniLisp, ReleasingWithoutWritingLosesTheChanges) {
    openWith("[A]\r\nB=1\r\n");
    play({
        {L"(t:set_ini h \"A\" \"B\" \"2\")", L"T"},
        {L"(t:free_ini h)", L"T"},
        {L"(t:ini_is_open h)", L"nil"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=1\r\n");

    play({
        {L"(t:init_ini \"C:/instel\")", L"\"instel.INI\""},
        {L"(t:set_ini h \"A\" \"B\" \"4\")", L"T"},
        {L"(t:reinit_ini h)", L"T"},
        {L"(t:get_ini h \"A\" \"B\")", L"\"1\""},
    });
}

TEST_F(IniLisp, SaveAllWritesKeepsReleasesOrDropsEveryFile) {
    writeFile(onDrive("tweede.INI"), "[X]\r\nY=1\r\n");
    openWith("[A]\r\nB=1\r\n");
    ASSERT_EQ(run(L"(setq g (t:init_ini \"C:/tweede.ini\"))"), L"\"tweede.ini\"");
    play({
        {L"(t:set_ini h \"A\" \"B\" \"2\")", L"T"},
        {L"(t:set_ini g \"X\" \"Y\" \"2\")", L"T"},
        {L"(t:save_all_ini 0)", L"T"},
        {L"(list (t:ini_is_open h) (t:ini_is_open g))", L"(T T)"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=2\r\n");

    play({
        {L"(t:set_ini h \"A\" \"B\" \"3\")", L"T"},
        {L"(t:set_ini g \"X\" \"Y\" \"3\")", L"T"},
        {L"(t:save_all_ini 2)", L"T"},
        {L"(list (t:ini_is_open h) (t:ini_is_open g))", L"(nil nil)"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=2\r\n");
    EXPECT_EQ(readFile(onDrive("tweede.INI")), "[X]\r\nY=2\r\n");

    play({
        {L"(t:init_ini \"C:/instel\")", L"\"instel.INI\""},
        {L"(t:set_ini h \"A\" \"B\" \"5\")", L"T"},
        {L"(t:save_all_ini 1)", L"T"},
        {L"(t:ini_is_open h)", L"nil"},
    });
    EXPECT_EQ(readFile(onDrive("instel.INI")), "[A]\r\nB=5\r\n");
}

TEST_F(IniLisp, FullNameMovesTheFile) {
    openWith("[A]\r\nB=1\r\n");
    play({
        {L"(t:set_full_ini_name h \"C:/elders\")", L"T"},
        {L"(t:get_full_ini_name h)", L"\"C:/elders.INI\""},
        {L"(t:write_ini h)", L"nil"},
    });
    EXPECT_EQ(readFile(onDrive("elders.INI")), "[A]\r\nB=1\r\n");
    EXPECT_TRUE(transcript.empty()) << wideToUtf8(transcript);
}

// A path that cannot be written is taken all the same, but the caller hears
// of it through the syntax line and nil.
TEST_F(IniLisp, UnwritableFullNameAnswersNil) {
    openWith("[A]\r\nB=1\r\n");
    const PrintingCall cases[] = {
        {L"(t:set_full_ini_name h \"C:/nergens/elders\")", L"nil", nullptr, kSetNameSyntax},
        {L"(t:get_full_ini_name h)", L"\"C:/nergens/elders.INI\"", nullptr, nullptr},
    };
    playPrinting(cases);
}

TEST_F(IniLisp, ShowAndEditorPrintTheirLines) {
    openWith("[A]\r\nB=1\r\n");
    dv_debug_set_level(1);
    EXPECT_EQ(run(L"(t:toon_ini h)"), L"T");
    EXPECT_NE(transcript.find(L"[A]\nB=1\n"), std::wstring::npos) << wideToUtf8(transcript);
    EXPECT_EQ(run(L"(t:edit_ini \"C:/instel\")"), L"nil");
    EXPECT_EQ(transcript, L"\nDe instellingen-editor is nog niet beschikbaar.\n");
}

// The module loaded by vmacon runs a script whose LISP lines open a settings
// file, store values, write it and read them back after opening it again.
TEST(IniLispScript, ValuesSurviveWritingAndOpeningAgain) {
    TempDir profile;
    std::filesystem::create_directories(profile / "drive_c");
    writeFile(profile / "run.scr",
              "(setq h (t:init_ini \"C:/script\"))\n"
              "(t:set_ini h \"Maten\" \"Breedte\" 2.5)\n"
              "(t:set_ini h \"Maten\" \"Punt\" '(1.0 2.0))\n"
              "(t:write_ini h)\n"
              "(princ (strcat \"open=\" (if (t:ini_is_open h) \"ja\" \"nee\")))\n"
              "(setq h (t:init_ini \"C:/script\"))\n"
              "(princ (strcat \"breedte=\" (rtos (t:get_ini h \"Maten\" \"Breedte\" 2) 2 2)))\n"
              "(princ (strcat \"y=\" (rtos (cadr (t:get_ini h \"Maten\" \"Punt\" 3)) 2 1)))\n");
    ProcessResult run = runProcess(VMA_BINARY_DIR "/bin/vmacon",
                                   {"--arx", VMA_BINARY_DIR "/vma/VMAAPPS.ARX", "--profile",
                                    profile.path().string(), "-s", (profile / "run.scr").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("open=nee"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("breedte=2.50"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("y=2.0"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(profile / "drive_c" / "script.INI"),
              "[Maten]\r\nBreedte=2.500000\r\nPunt=1.000000,2.000000\r\n");
}

} // namespace
} // namespace vma::test
