// Windows-style file names in a temporary folder tree: separators, drive
// letters, components matched without regard to case, drawings named .DWG
// served by .dxf files; and acedFindFile's search order and limits.
#include "host/base/text.h"
#include "host/win/paths.h"
#include "support/test_support.h"
#include "vars/vars_support.h"

using namespace vma;
namespace fs = std::filesystem;

namespace {

class Paths : public test::FreshSession {
protected:
    test::TempDir tmp;
    fs::path profile = tmp / "profile";
    fs::path work = tmp / "work";

    void SetUp() override {
        test::FreshSession::SetUp();
        for (const char* folder : {"profile/drive_c/Program Files/Vma/Support", "profile/drive_d",
                                   "work/Sub", "support1", "support2", "docs"})
            fs::create_directories(tmp / folder);
        for (const char* file :
             {"profile/drive_c/Program Files/Vma/Support/Layers.LAY",
              "profile/drive_c/Program Files/Vma/Plan.dxf", "profile/drive_d/data.txt",
              "work/Sub/Note.TXT", "work/Both.dwg", "work/Both.dxf", "support1/shared.dat",
              "support2/shared.dat", "support2/only2.dat", "docs/shared.dat", "work/shared.dat"})
            test::writeFile(tmp / file, "x");
        host::Session::get().profileDir() = profile;
    }

    fs::path resolve(const wchar_t* name) { return win::hostPath(name, profile, work); }
};

TEST_F(Paths, NamesResolveWithoutRegardToCase) {
    struct Case {
        const wchar_t* name;
        const char* expected; // relative to the temporary folder
    };
    const Case cases[] = {
        {L"C:\\PROGRAM FILES\\vma\\support\\layers.lay",
         "profile/drive_c/Program Files/Vma/Support/Layers.LAY"},
        {L"c:/program files/VMA/Support/Layers.lay",
         "profile/drive_c/Program Files/Vma/Support/Layers.LAY"},
        {L"D:\\DATA.TXT", "profile/drive_d/data.txt"},
        {L"sub\\note.txt", "work/Sub/Note.TXT"},
        {L".\\SUB\\..\\Sub\\NOTE.txt", "work/Sub/Note.TXT"},
        {L"C:\\Program Files\\Vma\\PLAN.DWG", "profile/drive_c/Program Files/Vma/Plan.dxf"},
        {L"both.DWG", "work/Both.dwg"},                           // a real .dwg wins
        {L"sub\\New.DWG", "work/Sub/New.dxf"},                    // a drawing to be made
        {L"SUB\\missing\\File.Txt", "work/Sub/missing/File.Txt"}, // kept as spelled
        {L"E:\\x.txt", "profile/drive_e/x.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resolve(c.name), tmp.path() / c.expected) << wideToUtf8(c.name);
}

TEST_F(Paths, HostPathsStayAsTheyAre) {
    std::wstring absolute = utf8ToWide((tmp / "work" / "Sub" / "Note.TXT").string());
    EXPECT_EQ(resolve(absolute.c_str()), tmp / "work/Sub/Note.TXT");
    EXPECT_TRUE(win::hasFolder(L"a\\b"));
    EXPECT_TRUE(win::hasFolder(L"C:x"));
    EXPECT_TRUE(win::hasFolder(L"/x"));
    EXPECT_FALSE(win::hasFolder(L"plain.dat"));
}

TEST_F(Paths, TheProfileFolderComesFromTheSession) {
    EXPECT_EQ(win::profileFolder(), profile);
    host::Session::get().profileDir().clear();
    EXPECT_FALSE(win::profileFolder().empty());
}

class FindFile : public Paths {
protected:
    std::wstring find(const wchar_t* name, size_t len = 1024) {
        std::wstring out(len, L'\0');
        if (acedFindFile(name, out.data(), len) != RTNORM)
            return L"<not found>";
        out.resize(std::wcslen(out.c_str()));
        return out;
    }
    std::wstring expected(const char* relative) { return utf8ToWide((tmp / relative).string()); }

    void SetUp() override {
        Paths::SetUp();
        cwd = fs::current_path();
        fs::current_path(work);
    }
    void TearDown() override {
        fs::current_path(cwd);
        Paths::TearDown();
    }

    fs::path cwd;
};

TEST_F(FindFile, SearchesTheDrawingFolderThenTheSupportPathThenTheWorkingFolder) {
    auto& session = host::Session::get();
    session.supportPath() = {tmp / "support1", tmp / "support2"};
    EXPECT_EQ(find(L"SHARED.DAT"), expected("support1/shared.dat"));
    EXPECT_EQ(find(L"only2.DAT"), expected("support2/only2.dat"));
    session.open(nullptr, tmp / "docs" / "Plan.dxf");
    EXPECT_EQ(find(L"shared.dat"), expected("docs/shared.dat"));
    session.supportPath().clear();
    session.reset();
    session.profileDir() = profile;
    EXPECT_EQ(find(L"shared.dat"), expected("work/shared.dat"));
}

TEST_F(FindFile, ANameWithAFolderIsCheckedAsGiven) {
    EXPECT_EQ(find(L"C:\\program files\\vma\\plan.dwg"),
              expected("profile/drive_c/Program Files/Vma/Plan.dxf"));
    EXPECT_EQ(find(L"sub\\note.txt"), expected("work/Sub/Note.TXT"));
    EXPECT_EQ(find(L"support1\\nothing.dat"), L"<not found>");
    EXPECT_EQ(find(L"Sub"), L"<not found>"); // a folder is no file
}

TEST_F(FindFile, RefusesMissingFilesBadArgumentsAndShortBuffers) {
    EXPECT_EQ(find(L"nowhere.dat"), L"<not found>");
    EXPECT_EQ(find(L""), L"<not found>");
    size_t exact = expected("work/shared.dat").size() + 1;
    EXPECT_EQ(find(L"shared.dat", exact), expected("work/shared.dat"));
    EXPECT_EQ(find(L"shared.dat", exact - 1), L"<not found>");
    ACHAR buffer[8];
    EXPECT_EQ(acedFindFile(nullptr, buffer, 8), RTERROR);
    EXPECT_EQ(acedFindFile(L"shared.dat", nullptr, 8), RTERROR);
}

} // namespace
