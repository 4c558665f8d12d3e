// Settings kept in the registry: the root chosen by storage mode, values as
// REG_SZ text per section key, the reader's point rules and absent values,
// deletion taking the key with its last value, listings and renaming.
#include "settings/dv_ini.h"
#include "settings/ini_registry.h"
#include "settings_fixture.h"
#include "windows.h"

#include <vector>

namespace vma::test {
namespace {

constexpr const wchar_t* kKeyPath = L"SOFTWARE\\Proef\\INSTEL";

class RegistryStore : public SettingsTest {
protected:
    static IniFile fileIn(unsigned storage) {
        IniFile file;
        file.path = kKeyPath;
        file.handle = L"INSTEL";
        file.storage = storage;
        return file;
    }
    static bool keyExists(HKEY root, const std::wstring& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    static std::wstring sectionKey(const wchar_t* section) {
        return std::wstring(kKeyPath) + L"\\" + section;
    }
    // The raw value: its type and bytes, or type REG_NONE when missing.
    static std::pair<DWORD, std::vector<BYTE>> raw(const wchar_t* section, const wchar_t* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionKey(section).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return {REG_NONE, {}};
        DWORD type = REG_NONE;
        DWORD size = 0;
        std::vector<BYTE> data;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            data.resize(size);
            RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
        }
        RegCloseKey(key);
        return {type, data};
    }
    static void putDword(const wchar_t* section, const wchar_t* name, DWORD value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey(section).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
        RegCloseKey(key);
    }
    void put(const wchar_t* section, const wchar_t* item, const wchar_t* text) {
        ASSERT_EQ(ini_registry_write(file, section, item, RTSTR, DvValue::ofText(text)), 0);
    }

    IniFile file = fileIn(DV_INI_REGISTRY_USER);
};

TEST_F(RegistryStore, StorageModeChoosesTheRoot) {
    struct Mode {
        unsigned storage;
        HKEY root;
        HKEY other;
    };
    for (Mode mode : {Mode{1, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER},
                      Mode{2, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE},
                      Mode{7, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}}) {
        const std::wstring section = L"Modus" + std::to_wstring(mode.storage);
        ASSERT_EQ(
            ini_registry_write(fileIn(mode.storage), section, L"Aan", RTSHORT, DvValue::ofInt(1)),
            0);
        EXPECT_TRUE(keyExists(mode.root, std::wstring(kKeyPath) + L"\\" + section));
        EXPECT_FALSE(keyExists(mode.other, std::wstring(kKeyPath) + L"\\" + section));
    }
}

TEST_F(RegistryStore, ValuesAreStringsWithTheirTerminatingNull) {
    ASSERT_EQ(ini_registry_write(file, L"Palen", L"Diameter", RTREAL, DvValue::ofReal(0.4)), 0);
    const auto [type, data] = raw(L"Palen", L"Diameter");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"0.400000";
    ASSERT_EQ(data.size(), (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(data.data())), expected);
}

// A 3D point reads back whole; two numbers still make one, z being 0.
TEST_F(RegistryStore, PointsReadBackWithTheRegistryRules) {
    const DvValue point = DvValue::ofPoint(1.5, -2, 3.25);
    ASSERT_EQ(ini_registry_write(file, L"Punten", L"Drie", RT3DPOINT, point), 0);
    ASSERT_EQ(ini_registry_write(file, L"Punten", L"Twee", RTPOINT, point), 0);
    DvValue value;
    ASSERT_EQ(ini_registry_read(file, L"punten", L"DRIE", RT3DPOINT, value), 0);
    EXPECT_EQ(value.point[Z], 3.25);
    ASSERT_EQ(ini_registry_read(file, L"Punten", L"Twee", RT3DPOINT, value), 0);
    EXPECT_EQ(value.point[X], 1.5);
    EXPECT_EQ(value.point[Y], -2);
    EXPECT_EQ(value.point[Z], 0);
}

TEST_F(RegistryStore, UnknownTypeWritesNothing) {
    EXPECT_EQ(ini_registry_write(file, L"Nieuw", L"Hoek", RTANG, DvValue::ofReal(1)), DV_FAILED);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Nieuw")));
}

TEST_F(RegistryStore, AbsentValuesLeaveTheOutputAlone) {
    DvValue value = DvValue::ofReal(7);
    EXPECT_EQ(ini_registry_read(file, L"Geen", L"Item", RTREAL, value), 1);
    put(L"Wel", L"Ander", L"1");
    EXPECT_EQ(ini_registry_read(file, L"Wel", L"Item", RTREAL, value), 0);
    putDword(L"Wel", L"Getal", 12);
    EXPECT_EQ(ini_registry_read(file, L"Wel", L"Getal", RTREAL, value), 0);
    EXPECT_EQ(value.real, 7);
    put(L"Wel", L"Kapot", L"abc");
    EXPECT_EQ(ini_registry_read(file, L"Wel", L"Kapot", RTPOINT, value), DV_FAILED);
}

TEST_F(RegistryStore, LongValuesAreStoredWholeAndReadTo250Characters) {
    const std::wstring text(300, L'q');
    put(L"Lang", L"Tekst", text.c_str());
    EXPECT_EQ(raw(L"Lang", L"Tekst").second.size(), 301 * sizeof(wchar_t));
    DvValue value;
    ASSERT_EQ(ini_registry_read(file, L"Lang", L"Tekst", RTSTR, value), 0);
    EXPECT_EQ(value.text, std::wstring(250, L'q'));
}

TEST_F(RegistryStore, DeletingTheLastValueRemovesTheSectionKey) {
    put(L"Rubriek", L"Een", L"1");
    put(L"Rubriek", L"Twee", L"2");
    EXPECT_EQ(ini_registry_delete(file, L"Rubriek", L"Een"), 0);
    EXPECT_EQ(raw(L"Rubriek", L"Een").first, static_cast<DWORD>(REG_NONE));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Rubriek")));
    EXPECT_EQ(ini_registry_delete(file, L"Rubriek", L"Een"), 2);
    EXPECT_EQ(ini_registry_delete(file, L"Rubriek", L"twee"), 0);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Rubriek")));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kKeyPath));
    EXPECT_EQ(ini_registry_delete(file, L"Rubriek", L"Twee"), 2);
}

TEST_F(RegistryStore, ListingItemsGivesStringValuesInOrder) {
    std::vector<std::wstring> names{L"oud"};
    std::vector<std::wstring> values{L"oud"};
    EXPECT_EQ(ini_registry_list_items(file, L"Geen", names, values), 0);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(values.empty());

    put(L"Lijst", L"Zeta", L"laatst");
    put(L"Lijst", L"Alfa", L"");
    putDword(L"Lijst", L"Binair", 3);
    put(L"Lijst", L"Lang", std::wstring(260, L'x').c_str());
    EXPECT_EQ(ini_registry_list_items(file, L"Lijst", names, values), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Zeta", L"Alfa", L"Lang"}));
    EXPECT_EQ(values, (std::vector<std::wstring>{L"laatst", L"", std::wstring(250, L'x')}));
}

TEST_F(RegistryStore, ListingSectionsGivesTheSubkeys) {
    std::vector<std::wstring> names;
    EXPECT_EQ(ini_registry_list_sections(file, names), 1);
    put(L"Palen", L"A", L"1");
    put(L"Assen", L"B", L"2");
    EXPECT_EQ(ini_registry_list_sections(file, names), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Assen", L"Palen"}));
}

TEST_F(RegistryStore, RenamingMovesEveryValue) {
    put(L"Oud", L"Een", L"1");
    put(L"Oud", L"Twee", L"2,5");
    putDword(L"Oud", L"Teller", 4);
    ASSERT_EQ(ini_registry_rename_section(file, L"Oud", L"Nieuw"), 0);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Oud")));
    std::vector<std::wstring> names;
    std::vector<std::wstring> values;
    ASSERT_EQ(ini_registry_list_items(file, L"Nieuw", names, values), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Een", L"Twee"}));
    EXPECT_EQ(values, (std::vector<std::wstring>{L"1", L"2,5"}));
    const auto [type, data] = raw(L"Nieuw", L"Teller");
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data.size(), sizeof(DWORD));
}

TEST_F(RegistryStore, RenamingRefusesAnExistingOrMissingSection) {
    put(L"Een", L"A", L"1");
    put(L"Twee", L"B", L"2");
    EXPECT_EQ(ini_registry_rename_section(file, L"Een", L"Twee"), 1);
    EXPECT_EQ(ini_registry_rename_section(file, L"Een", L"EEN"), 1);
    EXPECT_EQ(ini_registry_rename_section(file, L"Drie", L"Vier"), 2);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Vier")));
    EXPECT_EQ(raw(L"Een", L"A").first, static_cast<DWORD>(REG_SZ));
}

// The store over registry storage: defaults while the section key is
// missing, values set and deleted at once, listing and renaming by key.
TEST_F(RegistryStore, StoreKeepsRegistrySettingsInKeys) {
    useCatalogue({{20, {"Algemeen=21"}}, {21, {"Schaal=De schaal", "RTREAL#50#"}}});
    std::wstring handle;
    ASSERT_EQ(dv_ini_open(kKeyPath, &handle, 20, 2, DV_INI_REGISTRY_USER), 0);
    EXPECT_EQ(handle, L"INSTEL");
    DvValue value;
    ASSERT_EQ(dv_ini_get(handle, L"Algemeen", L"Schaal", RTREAL, value), 0);
    EXPECT_EQ(value.real, 50);

    ASSERT_EQ(dv_ini_set(handle, L"Algemeen", L"Schaal", RTREAL, DvValue::ofReal(20)), 0);
    ASSERT_EQ(dv_ini_get(handle, L"Algemeen", L"Schaal", RTREAL, value), 0);
    EXPECT_EQ(value.real, 20);
    std::vector<std::wstring> names;
    ASSERT_EQ(dv_ini_list_sections(handle, names), 0);
    EXPECT_EQ(names, std::vector<std::wstring>{L"Algemeen"});

    ASSERT_EQ(dv_ini_delete_item(handle, L"Algemeen", L"Schaal"), 0);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, sectionKey(L"Algemeen")));
    ASSERT_EQ(dv_ini_get(handle, L"Algemeen", L"Schaal", RTREAL, value), 0);
    EXPECT_EQ(value.real, 50);

    put(L"Extra", L"Kleur", L"rood");
    ASSERT_EQ(dv_ini_rename_section(handle, L"Extra", L"Anders"), 0);
    ASSERT_EQ(dv_ini_get(handle, L"Anders", L"Kleur", RTSTR, value), 0);
    EXPECT_EQ(value.text, L"rood");
}

} // namespace
} // namespace vma::test
