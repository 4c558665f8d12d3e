// File and text helpers: extension tests, trimming, number formats from the
// precision variables, the drawing path, the module folder and the file search
// through the support path, the block folder and the module's BLOKKEN folder.
#include "host/win/modules.h"
#include "toolkit/dv_files.h"
#include "toolkit/dv_vars.h"
#include "toolkit_fixture.h"

#include <filesystem>

namespace vma::test {
namespace {

struct Extension {
    const wchar_t* name;
    int longFlag;
    int expected;
};

class HasExtension : public ::testing::TestWithParam<Extension> {};

TEST_P(HasExtension, ScansTheLastCharacters) {
    EXPECT_EQ(dv_has_extension(GetParam().name, GetParam().longFlag), GetParam().expected)
        << wideToUtf8(GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, HasExtension,
                         ::testing::Values(Extension{L"PAAL1", 0, 0}, Extension{L"PAAL1.X", 0, 1},
                                           Extension{L"PAAL1.DWG", 0, 1},
                                           Extension{L"PAAL1.", 0, 0},
                                           Extension{L"PAAL1.ABCDEFG", 0, 0},
                                           Extension{L"PAAL1.ABCDEFG", 1, 1},
                                           Extension{L"MAP.D\\PAAL", 0, 0},
                                           Extension{L".DWG", 0, 1}, Extension{L"", 0, 0}));

struct Trim {
    const wchar_t* text;
    const wchar_t* expected;
};

class TrimText : public ::testing::TestWithParam<Trim> {};

TEST_P(TrimText, RemovesNewlineBlanksAndLeadingSpaces) {
    std::wstring text = GetParam().text;
    dv_trim(text);
    EXPECT_EQ(text, GetParam().expected);
    wchar_t buffer[64] = {};
    std::wcsncpy(buffer, GetParam().text, 63);
    dv_trim(buffer);
    EXPECT_STREQ(buffer, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimText,
                         ::testing::Values(Trim{L"  VMAAPPS.ARX \t\n", L"VMAAPPS.ARX"},
                                           Trim{L"a\n\n", L"a\n"}, Trim{L"\ta ", L"\ta"},
                                           Trim{L"   ", L""}, Trim{L"", L""}));

using Files = ToolkitTest;

TEST_F(Files, NumberFormatFromPrecision) {
    dv_set_sysvar(L"LUPREC", RTSHORT, DvValue::ofInt(2));
    dv_set_sysvar(L"AUPREC", RTSHORT, DvValue::ofInt(4));
    std::wstring format;
    EXPECT_EQ(dv_number_format(format, 101, 0), 0);
    EXPECT_EQ(format, L"%.2lf");
    EXPECT_EQ(dv_number_format(format, 101, 8), 0);
    EXPECT_EQ(format, L"%8.2lf");
    EXPECT_EQ(dv_number_format(format, 102, 0), 0);
    EXPECT_EQ(format, L"%.4lf");
    EXPECT_EQ(dv_number_format(format, 103, 0), DV_FAILED);
}

TEST_F(Files, DrawingPathEndsInDwg) {
    const auto path = dv_drawing_path();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->substr(path->size() - 12), L"Drawing1.DWG");
}

TEST_F(Files, FindsOnTheSupportPathWithTheDefaultExtension) {
    writeFile(dir / "PAAL1.DWG", "x");
    std::wstring path;
    EXPECT_EQ(dv_find_file(L"PAAL1", L"DWG", path, 0), 0);
    EXPECT_NE(path.find(L"PAAL1.DWG"), std::wstring::npos);
    EXPECT_EQ(dv_find_file(L"PAAL1.X", L"DWG", path, 0), 1);
    EXPECT_EQ(dv_find_file(L"", L"DWG", path, 0), 1);
    EXPECT_EQ(dv_find_file(nullptr, L"DWG", path, 0), 1);
}

TEST_F(Files, FindsInTheBlockFolderAndBesideTheModule) {
    TempDir blocks;
    TempDir module;
    std::filesystem::create_directories(module.path() / "BLOKKEN");
    writeFile(blocks / "KESP.DWG", "x");
    writeFile(module / "BLOKKEN" / "SONDERING.DWG", "x");
    writeFile(module / "DVALGPG.DAT", "x");
    dv_set_lisp_var(L"#BLK", RTSTR, DvValue::ofText(blocks.path().wstring() + L"/"));
    std::wstring path;
    EXPECT_EQ(dv_find_file(L"KESP", L"DWG", path, 0), 0);
    EXPECT_EQ(dv_find_file(L"SONDERING", L"DWG", path, 0), 1);
    HMODULE handle = win::Modules::get().add(module / "VMAAPPS.ARX");
    dv_set_lisp_var(L"DV_CUR_APP", RTSTR, DvValue::ofText(L"VMAAPPS"));
    EXPECT_EQ(dv_find_file(L"DVALGPG.DAT", nullptr, path, 0), 0);
    EXPECT_EQ(dv_find_file(L"SONDERING", L"DWG", path, 0), 0);
    EXPECT_NE(path.find(L"BLOKKEN\\SONDERING.DWG"), std::wstring::npos);
    EXPECT_EQ(dv_find_file(L"ONBEKEND", L"DWG", path, 0), 1);
    EXPECT_TRUE(said(L"niet gevonden!\n"));
    EXPECT_EQ(dv_find_file(L"/geen/map/PAAL9.DWG", nullptr, path, 0), 1);
    win::Modules::get().remove(handle);
}

TEST_F(Files, ModuleFolderDropsThePlatformLevel) {
    TempDir root;
    std::filesystem::create_directories(root.path() / "x64");
    HMODULE handle = win::Modules::get().add(root.path() / "x64" / "VMAAPPS.ARX");
    const auto kept = dv_module_dir(L"VMAAPPS", 0);
    const auto stripped = dv_module_dir(L"VMAAPPS", 1);
    win::Modules::get().remove(handle);
    ASSERT_TRUE(kept && stripped);
    EXPECT_EQ(kept->substr(kept->size() - 5), L"\\X64\\");
    EXPECT_EQ(*stripped, kept->substr(0, kept->size() - 4));
    EXPECT_FALSE(dv_module_dir(L"GEENMODULE", 1).has_value());
}

TEST_F(Files, DialogActiveFollowsCmdactive) {
    EXPECT_EQ(dv_dialog_active(), 0);
}

} // namespace
} // namespace vma::test
