// The wide C runtime file calls and directory search on Windows-style names:
// drive letters in the profile, backslashes, names in any case, wildcards,
// drawings found as .dwg; environment and module names.
#include "host/win/modules.h"
#include "host/win/paths.h"
#include "win/win_fixture.h"
#include "windows.h"

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <set>

namespace vma::test {
namespace {

class FilesTest : public WinTest {
protected:
    std::filesystem::path drive() const { return profile_.path() / "drive_c"; }

    static std::set<std::wstring> find(const wchar_t* pattern) {
        std::set<std::wstring> names;
        WIN32_FIND_DATAW data;
        HANDLE handle = FindFirstFileW(pattern, &data);
        if (handle == INVALID_HANDLE_VALUE) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
            return names;
        }
        do
            names.insert(data.cFileName);
        while (FindNextFileW(handle, &data));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        EXPECT_TRUE(FindClose(handle));
        return names;
    }
};

TEST_F(FilesTest, OpenWriteRenameRemove) {
    ASSERT_EQ(_wmkdir(L"C:\\Jobs"), 0);
    EXPECT_EQ(_wmkdir(L"c:\\JOBS"), -1);
    EXPECT_EQ(errno, EEXIST);
    ASSERT_TRUE(std::filesystem::is_directory(drive() / "Jobs"));

    FILE* out = _wfopen(L"C:\\jobs\\Report.txt", L"wt, ccs=UTF-8");
    ASSERT_NE(out, nullptr);
    std::fputs("line\n", out);
    std::fclose(out);
    EXPECT_EQ(readFile(drive() / "Jobs" / "Report.txt"), "line\n");

    FILE* in = _wfopen(L"c:/JOBS/REPORT.TXT", L"rb");
    ASSERT_NE(in, nullptr);
    std::fclose(in);
    EXPECT_EQ(_waccess(L"C:\\Jobs\\report.txt", 0), 0);
    EXPECT_EQ(_waccess(L"C:\\Jobs\\report.txt", 6), 0);
    EXPECT_EQ(_waccess(L"C:\\Jobs\\none.txt", 0), -1);
    EXPECT_EQ(errno, ENOENT);

    writeFile(drive() / "Jobs" / "Other.txt", "x");
    EXPECT_NE(_wrename(L"C:\\Jobs\\report.txt", L"C:\\Jobs\\OTHER.TXT"), 0) << "target exists";
    EXPECT_EQ(_wremove(L"C:\\JOBS\\other.TXT"), 0);
    EXPECT_EQ(_wrename(L"C:\\Jobs\\report.txt", L"C:\\Jobs\\Final.txt"), 0);
    EXPECT_TRUE(std::filesystem::exists(drive() / "Jobs" / "Final.txt"));
    EXPECT_EQ(_wremove(L"C:\\Jobs\\report.txt"), -1);
}

TEST_F(FilesTest, DirectorySearchWithWildcards) {
    std::filesystem::create_directories(drive() / "Data" / "Sub");
    for (const char* name :
         {"a.txt", "B.TXT", "ab.dat", "noext", "Plan.dxf", "Both.dwg", "Both.dxf"})
        writeFile(drive() / "Data" / name, "12345");
    using Names = std::set<std::wstring>;
    const std::pair<const wchar_t*, Names> cases[] = {
        {L"C:\\DATA\\*.txt", {L"a.txt", L"B.TXT"}},
        {L"c:\\data\\?.TXT", {L"a.txt", L"B.TXT"}},
        {L"C:\\Data\\a*", {L"a.txt", L"ab.dat"}},
        {L"C:\\Data\\*.*",
         {L"a.txt", L"B.TXT", L"ab.dat", L"noext", L"Plan.dxf", L"Both.dwg", L"Both.dxf", L"Sub"}},
        {L"C:\\Data\\*.dwg", {L"Plan.dwg", L"Both.dwg"}},
        {L"C:\\Data\\noext", {L"noext"}},
        {L"C:\\Data\\*.xyz", {}},
        {L"C:\\Nowhere\\*", {}},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(find(pattern), expected) << std::string(pattern, pattern + wcslen(pattern));

    WIN32_FIND_DATAW data;
    HANDLE handle = FindFirstFileW(L"C:\\Data\\S*", &data);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    FindClose(handle);
    handle = FindFirstFileW(L"C:\\Data\\ab.dat", &data);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(FindClose(handle));
    EXPECT_FALSE(FindClose(handle));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FilesTest, EnvironmentIsWide) {
    ::setenv("VMA_WIN_TEST", "caf\xC3\xA9", 1);
    const wchar_t* value = _wgetenv(L"VMA_WIN_TEST");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(std::wstring(value), L"caf\u00e9");
    EXPECT_EQ(_wgetenv(L"VMA_WIN_TEST"), value) << "same pointer while unchanged";
    ::unsetenv("VMA_WIN_TEST");
    EXPECT_EQ(_wgetenv(L"VMA_WIN_TEST"), nullptr);
}

TEST_F(FilesTest, ModulesByName) {
    auto& modules = win::Modules::get();
    std::filesystem::path file = drive() / "App" / "Plugin.arx";
    HMODULE module = modules.add(file);
    EXPECT_EQ(GetModuleHandleW(L"plugin.ARX"), module);
    EXPECT_EQ(GetModuleHandleW(L"PLUGIN"), module);
    EXPECT_EQ(GetModuleHandleW(L"other.arx"), nullptr);
    EXPECT_NE(GetModuleHandleW(nullptr), nullptr);

    wchar_t name[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, name, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::wstring windows(name, length);
    EXPECT_TRUE(windows.ends_with(L"\\App\\Plugin.arx"));
    EXPECT_EQ(win::hostPath(windows), file) << "the name maps back to the file";

    wchar_t small[5];
    EXPECT_EQ(GetModuleFileNameW(module, small, 5), 5u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(small[4], L'\0');
    EXPECT_GT(GetModuleFileNameW(nullptr, name, MAX_PATH), 0u) << "the host program";

    modules.remove(module);
    EXPECT_EQ(GetModuleHandleW(L"plugin.arx"), nullptr);
    EXPECT_EQ(GetModuleFileNameW(module, name, MAX_PATH), 0u);
}

} // namespace
} // namespace vma::test
