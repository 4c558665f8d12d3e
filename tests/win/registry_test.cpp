// The registry calls: values that survive a new run through registry.reg,
// Win32 size and ERROR_MORE_DATA rules, enumeration order, handle and access
// errors, and a damaged file that leaves an empty registry and a warning.
#include "win/win_fixture.h"
#include "windows.h"

#include <cstring>
#include <vector>

namespace vma::test {
namespace {

class RegistryTest : public WinTest {
protected:
    HKEY create(const wchar_t* path, REGSAM access = KEY_ALL_ACCESS) {
        HKEY key = nullptr;
        EXPECT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        return key;
    }
    static LSTATUS setString(HKEY key, const wchar_t* name, const std::wstring& text) {
        return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    static LSTATUS setDword(HKEY key, const wchar_t* name, DWORD value) {
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                              sizeof value);
    }
    static std::wstring getString(HKEY key, const wchar_t* name) {
        wchar_t buffer[128] = {};
        DWORD size = sizeof buffer;
        DWORD type = 0;
        if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS)
            return L"<missing>";
        EXPECT_TRUE(type == REG_SZ || type == REG_EXPAND_SZ);
        return buffer;
    }
    static DWORD getDword(HKEY key, const wchar_t* name) {
        DWORD value = 0;
        DWORD size = sizeof value;
        DWORD type = 0;
        EXPECT_EQ(
            RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        return value;
    }
};

TEST_F(RegistryTest, ValuesSurviveASecondRun) {
    HKEY key = create(L"Software\\Firm\\App\\Settings");
    const BYTE blob[] = {0x00, 0x7f, 0xff};
    ASSERT_EQ(setString(key, L"Folder", L"C:\\Data \"quoted\" ë"), ERROR_SUCCESS);
    ASSERT_EQ(setString(key, nullptr, L"default"), ERROR_SUCCESS);
    ASSERT_EQ(setString(key, L"Lines", L"one\ntwo"), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, L"Count", 10), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, L"Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    HKEY machine = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Firm", 0, nullptr, 0, KEY_WRITE,
                              nullptr, &machine, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(setDword(machine, L"Installed", 1), ERROR_SUCCESS);

    std::string file = readFile(profile_.path() / "registry.reg");
    EXPECT_TRUE(file.starts_with("REGEDIT4\r\n"));
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Firm\\App\\Settings]"), std::string::npos);
    EXPECT_NE(file.find("\"Folder\"=\"C:\\\\Data \\\"quoted\\\" \xC3\xAB\""), std::string::npos);
    EXPECT_NE(file.find("@=\"default\""), std::string::npos);
    EXPECT_NE(file.find("\"Count\"=dword:0000000a"), std::string::npos);
    EXPECT_NE(file.find("\"Blob\"=hex:00,7f,ff"), std::string::npos);

    win::Registry::get().unload();
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "handles do not outlive the run";

    HKEY again = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\firm\\APP\\settings", 0, KEY_READ, &again),
        ERROR_SUCCESS);
    EXPECT_EQ(getString(again, L"folder"), L"C:\\Data \"quoted\" ë");
    EXPECT_EQ(getString(again, L""), L"default");
    EXPECT_EQ(getString(again, L"Lines"), L"one\ntwo");
    EXPECT_EQ(getDword(again, L"COUNT"), 10u);
    BYTE back[8] = {};
    DWORD size = sizeof back;
    ASSERT_EQ(RegQueryValueExW(again, L"Blob", nullptr, nullptr, back, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::memcmp(back, blob, 3), 0);
    HKEY installed = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Firm", 0, KEY_READ, &installed),
              ERROR_SUCCESS);
    EXPECT_EQ(getDword(installed, L"Installed"), 1u);
    EXPECT_EQ(RegCloseKey(again), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(installed), ERROR_SUCCESS);
}

TEST_F(RegistryTest, SizesFollowWin32Rules) {
    HKEY key = create(L"Software\\Sizes");
    ASSERT_EQ(setString(key, L"Name", L"abcdef"), ERROR_SUCCESS);
    const DWORD needed = 7 * sizeof(wchar_t);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Name", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, needed) << "size with the terminating NUL";

    wchar_t small[3];
    size = sizeof small;
    EXPECT_EQ(
        RegQueryValueExW(key, L"Name", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, needed);

    std::vector<wchar_t> exact(7);
    size = needed;
    EXPECT_EQ(RegQueryValueExW(key, L"Name", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(exact.data()), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(exact.data()), L"abcdef");

    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Name", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RegQueryValueExW(key, L"Other", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);

    const wchar_t unterminated[] = {L'x', L'y'};
    ASSERT_EQ(RegSetValueExW(key, L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated),
                             sizeof unterminated),
              ERROR_SUCCESS);
    EXPECT_EQ(getString(key, L"Bare"), L"xy");
    RegCloseKey(key);
}

TEST_F(RegistryTest, EnumeratesValuesInOrderAndKeysAlphabetically) {
    HKEY key = create(L"Software\\List");
    for (const wchar_t* name : {L"Zeta", L"Alpha", L"Mid"})
        ASSERT_EQ(setDword(key, name, 1), ERROR_SUCCESS);
    for (const wchar_t* name : {L"beta", L"Alpha", L"Gamma"}) {
        HKEY sub = nullptr;
        ASSERT_EQ(RegCreateKeyExW(key, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(sub);
    }

    std::vector<std::wstring> values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[32];
        DWORD length = 32;
        LSTATUS status = RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(status, ERROR_SUCCESS);
        EXPECT_EQ(length, std::wstring(name).size());
        values.push_back(name);
    }
    EXPECT_EQ(values, (std::vector<std::wstring>{L"Zeta", L"Alpha", L"Mid"}));

    std::vector<std::wstring> keys;
    for (DWORD i = 0;; ++i) {
        wchar_t name[32];
        DWORD length = 32;
        LSTATUS status = RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(status, ERROR_SUCCESS);
        keys.push_back(name);
    }
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"Alpha", L"beta", L"Gamma"}));

    wchar_t tiny[4];
    DWORD length = 4;
    EXPECT_EQ(RegEnumValueW(key, 0, tiny, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA)
        << "Zeta needs five characters with its NUL";
    BYTE data[2];
    DWORD dataSize = sizeof data;
    length = 32;
    wchar_t name[32];
    EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, nullptr, data, &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 4u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, HandleAndAccessErrors) {
    HKEY key = create(L"Software\\Errors\\Child");
    HKEY parent = create(L"Software\\Errors");
    HKEY missing = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Nowhere", 0, KEY_READ, &missing),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing, nullptr);

    DWORD disposition = 0;
    HKEY same = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\errors", 0, nullptr, 0, KEY_READ,
                              nullptr, &same, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(setDword(same, L"Denied", 1), ERROR_ACCESS_DENIED) << "opened for reading";

    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Errors"), ERROR_ACCESS_DENIED)
        << "a key with subkeys stays";
    EXPECT_EQ(RegDeleteKeyW(parent, L"Child"), ERROR_SUCCESS);
    EXPECT_EQ(setDword(key, L"Late", 1), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteKeyW(parent, L"Child"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueW(parent, L"None"), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    int local = 0;
    EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(&local)), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(
        RegQueryValueExW(reinterpret_cast<HKEY>(&local), L"x", nullptr, nullptr, nullptr, &size),
        ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    RegCloseKey(parent);
    RegCloseKey(same);
}

TEST_F(RegistryTest, DeletedValueIsGoneAfterReload) {
    HKEY key = create(L"Software\\Gone");
    ASSERT_EQ(setDword(key, L"Keep", 1), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, L"Drop", 2), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteValueW(key, L"DROP"), ERROR_SUCCESS);
    win::Registry::get().unload();
    key = create(L"Software\\Gone");
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Drop", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(getDword(key, L"Keep"), 1u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, DamagedFileGivesAnEmptyRegistryAndAWarning) {
    writeFile(profile_.path() / "registry.reg",
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Firm]\r\n\"Count\"=dword:zz\r\n");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Firm", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(said(L"registry file")) << std::string(transcript_.begin(), transcript_.end());
    EXPECT_TRUE(said(L"line 4"));
    EXPECT_TRUE(std::filesystem::exists(profile_.path() / "registry.reg.damaged"));

    key = create(L"Software\\Firm");
    ASSERT_EQ(setDword(key, L"Count", 3), ERROR_SUCCESS);
    win::Registry::get().unload();
    key = create(L"Software\\Firm");
    EXPECT_EQ(getDword(key, L"Count"), 3u);
    RegCloseKey(key);
}

} // namespace
} // namespace vma::test
