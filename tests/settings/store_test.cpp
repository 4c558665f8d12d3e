// The settings store over real files: what opening makes of a file's text and
// of a description, what a write-back puts on disk (and what it must not lose
// when the disk refuses), and the structural operations' statuses.
#include "settings_fixture.h"

#include <filesystem>

namespace vma::test {
namespace {

class SettingsStore : public SettingsTest {
protected:
    std::wstring path(const std::string& name) const { return (dir / name).wstring(); }
    // Opens the file holding text; the handle it got.
    std::wstring open(const std::string& name, const std::string& text) {
        writeFile(dir / name, text);
        std::wstring handle;
        EXPECT_EQ(dv_ini_open(path(name), &handle, 0, 1, DV_INI_FILE), 0);
        return handle;
    }
    // Writes the file, keeping it open, and gives what landed on disk.
    std::string written(const std::wstring& handle, const std::string& name) {
        EXPECT_EQ(dv_ini_write(handle, 1), 0);
        return readFile(dir / name);
    }
    static std::wstring text(const std::wstring& handle, const wchar_t* section,
                             const wchar_t* item) {
        DvValue value = DvValue::ofText(L"<none>");
        dv_ini_get(handle, section, item, RTSTR, value);
        return value.text;
    }
    static int set(const std::wstring& handle, const wchar_t* section, const wchar_t* item,
                   const wchar_t* value) {
        return dv_ini_set(handle, section, item, RTSTR, DvValue::ofText(value));
    }
    // A catalogue of one variant per line: section 20 describes a file with
    // two sections and a prototype, 21 and 22 their items with type lines.
    void describedCatalogue() {
        useCatalogue(
            {{20, {"Algemeen=21", "zonder gelijkteken", "VAR_RUBRIEK=22,PAAL", "Leeg=0"}},
             {21,
              {"Item10=Tiende", "RTSHORT#10#0#100", "Item2=Tweede", "RTSTR  #twee  #",
               "Schaal=De schaal", "RTREAL#1.0#0.5;1;2"}},
             {22, {"Diameter=Paaldiameter", "RTSHORT#400#", "Lengte=Paallengte", "RTREAL#12"}}});
    }
};

TEST_F(SettingsStore, PathsGetAnIniExtensionUnlessTheyHaveAShortOne) {
    struct Case {
        std::wstring given, handle;
    };
    for (const Case& c :
         {Case{L"C:\\X\\SETUP", L"SETUP.INI"}, Case{L"C:\\X\\SETUP.CFG", L"SETUP.CFG"},
          Case{L"C:\\X\\SETUP.CONF", L"SETUP.CONF.INI"}, Case{L"D:SETUP.A \t\n", L"SETUP.A"}}) {
        std::wstring handle;
        dv_ini_handle_of(c.given, handle);
        EXPECT_EQ(handle, c.handle) << wideToUtf8(c.given);
    }
    std::wstring handle;
    ASSERT_EQ(dv_ini_open(path("instel"), &handle, 0, 1, DV_INI_FILE), 0);
    EXPECT_EQ(handle, L"instel.INI");
    std::wstring again;
    EXPECT_EQ(dv_ini_open(path("INSTEL"), &again, 0, 1, DV_INI_FILE), -1);
    EXPECT_EQ(again, L"INSTEL.INI");
    std::wstring where;
    ASSERT_EQ(dv_ini_get_path(where, L"Instel.ini"), 0);
    EXPECT_EQ(where, path("instel") + L".INI");
}

TEST_F(SettingsStore, ReadingKeepsSpellingsCommentsAndTheDummySection) {
    std::wstring handle = open("a.ini", "vooraf=1\r\n\r\n  [Maten] trailing\r\n"
                                        "; opmerking\r\nbreedte = 30\r\nHoogte=5\r\n"
                                        "[MATEN]\nhoogte=6\nzonder\n");
    // Reading leaves the file clean; only a change makes the write-back write.
    EXPECT_EQ(written(handle, "a.ini").substr(0, 10), "vooraf=1\r\n");
    set(handle, L"Maten", L"HOOGTE", L"6");
    EXPECT_EQ(text(handle, L"### Dummy Rubriek ###", L"VOORAF"), L"1");
    EXPECT_EQ(text(handle, L"maten", L"breedte "), L" 30");
    EXPECT_EQ(text(handle, L"maten", L"breedte"), L"<none>");
    EXPECT_EQ(text(handle, L"maten", L"hoogte"), L"6");
    std::wstring item = L"HOOGTE";
    ASSERT_EQ(dv_ini_item_name(handle, L"maten", item), 0);
    EXPECT_EQ(item, L"Hoogte");
    EXPECT_EQ(written(handle, "a.ini"), "vooraf=1\r\n\r\n[Maten]\r\n; opmerking\r\n"
                                        "breedte = 30\r\nHoogte=6\r\nzonder=\r\n");
}

TEST_F(SettingsStore, LongLinesAreReadInPiecesAndLongValuesSurvive) {
    const std::string value(250, 'w');
    std::wstring handle = open("lang.ini", "[A]\r\nx=" + std::string(298, 'y') + "\r\n");
    std::vector<std::wstring> names, values;
    ASSERT_EQ(dv_ini_list_items(handle, L"A", names, values, 0), 0);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(values[0].size(), 247u);
    EXPECT_EQ(names[1], std::wstring(51, L'y'));
    ASSERT_EQ(set(handle, L"B", L"v", std::wstring(value.begin(), value.end()).c_str()), 0);
    ASSERT_EQ(dv_ini_write(handle, 1), 0);
    EXPECT_EQ(text(handle, L"B", L"v"), std::wstring(value.begin(), value.end()));
}

TEST_F(SettingsStore, DamagedFilesOpenWithoutHarm) {
    for (const std::string& content :
         {std::string(), std::string("\0\0[A]\0x=1", 9), std::string("\xff\xfe[\x80]\r\r\r=\n", 10),
          std::string("[A]\r\n" + std::string(600, '=') + "\r\n")}) {
        std::wstring handle = open("kapot.ini", content);
        std::vector<std::wstring> names;
        dv_ini_list_sections(handle, names);
        EXPECT_EQ(dv_ini_write(handle, 2), 0);
    }
}

TEST_F(SettingsStore, TenThousandSectionsRoundTrip) {
    std::string content;
    for (int i = 0; i < 10000; ++i)
        content += "[S" + std::to_string(i) + "]\r\nwaarde=" + std::to_string(i) + "\r\n";
    std::wstring handle = open("veel.ini", content);
    std::vector<std::wstring> names;
    ASSERT_EQ(dv_ini_list_sections(handle, names), 0);
    EXPECT_EQ(names.size(), 10000u);
    EXPECT_EQ(text(handle, L"s9999", L"WAARDE"), L"9999");
    set(handle, L"S0", L"waarde", L"x");
    std::string disk = written(handle, "veel.ini");
    EXPECT_EQ(disk.substr(0, 22), "[S0]\r\nwaarde=x\r\n\r\n[S1]");
    EXPECT_EQ(disk.size(), content.size() + 9999 * 2);
}

TEST_F(SettingsStore, AFailedWriteLeavesTheOldFileAndKeepsTheChanges) {
    std::wstring handle = open("vast.ini", "[A]\r\nx=oud\r\n");
    set(handle, L"A", L"x", L"nieuw");
    // A folder where the temporary file would go: the write cannot complete.
    std::filesystem::create_directory(dir / "vast.ini.$$$");
    dv_debug_set_level(1);
    EXPECT_EQ(dv_ini_write(handle, 0), -1);
    EXPECT_TRUE(said(L"INI-bestand " + path("vast.ini") + L" kon niet geopend worden!"));
    EXPECT_EQ(readFile(dir / "vast.ini"), "[A]\r\nx=oud\r\n");
    ASSERT_EQ(dv_ini_is_open(handle), 1);
    std::filesystem::remove(dir / "vast.ini.$$$");
    EXPECT_EQ(dv_ini_write(handle, 0), 0);
    EXPECT_EQ(readFile(dir / "vast.ini"), "[A]\r\nx=nieuw\r\n");
    EXPECT_EQ(dv_ini_is_open(handle), 0);
}

TEST_F(SettingsStore, FoldersAndMissingFoldersAreNoFiles) {
    std::filesystem::create_directory(dir / "map.ini");
    std::wstring folder;
    ASSERT_EQ(dv_ini_open(path("map.ini"), &folder, 0, 1, DV_INI_FILE), 0);
    std::vector<std::wstring> names;
    EXPECT_EQ(dv_ini_list_sections(folder, names), -1);
    EXPECT_EQ(dv_ini_write(folder, 0), -1);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "map.ini"));

    std::wstring nowhere;
    ASSERT_EQ(dv_ini_open(path("geen/map/x.ini"), &nowhere, 0, 1, DV_INI_FILE), 0);
    set(nowhere, L"A", L"x", L"1");
    EXPECT_EQ(dv_ini_write(nowhere, 0), -1);
    EXPECT_EQ(dv_ini_is_open(nowhere), 1);
    EXPECT_EQ(dv_ini_set_path(path("geen/y.txt"), nowhere), -1);
    std::wstring where;
    dv_ini_get_path(where, nowhere);
    EXPECT_EQ(where, path("geen/y.txt") + L".INI");
}

TEST_F(SettingsStore, SaveAllPutsAnUnwritableFileInTheCurrentFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::create_directory(dir / "elders");
    std::filesystem::current_path(dir / "elders");
    std::wstring handle = open("map.ini", "");
    std::filesystem::remove(dir / "map.ini");
    std::filesystem::create_directory(dir / "map.ini");
    set(handle, L"A", L"x", L"1");
    dv_ini_save_all(2);
    std::filesystem::current_path(previous);
    EXPECT_EQ(dv_ini_is_open(handle), 0);
    EXPECT_EQ(readFile(dir / "elders" / "map.ini"), "[A]\r\nx=1\r\n");
}

TEST_F(SettingsStore, SetPathAppendsIniToOtherExtensions) {
    std::wstring handle = open("a.ini", "[A]\r\nx=1\r\n");
    EXPECT_EQ(dv_ini_set_path(path("b.txt"), handle), 0);
    EXPECT_EQ(dv_ini_write(handle, 0), 0);
    EXPECT_EQ(readFile(dir / "b.txt.INI"), "[A]\r\nx=1\r\n");
    EXPECT_EQ(dv_ini_set_path(path("b.txt"), handle), 1);
}

TEST_F(SettingsStore, SaveAllModes) {
    std::wstring first = open("een.ini", "");
    std::wstring second = open("twee.ini", "");
    set(first, L"A", L"x", L"1");
    set(second, L"A", L"x", L"2");
    dv_ini_save_all(1);
    EXPECT_EQ(readFile(dir / "een.ini"), "[A]\r\nx=1\r\n");
    set(second, L"A", L"x", L"3");
    dv_ini_save_all(3);
    EXPECT_EQ(readFile(dir / "twee.ini"), "[A]\r\nx=2\r\n");
    EXPECT_EQ(dv_ini_is_open(first) + dv_ini_is_open(second), 0);
    dv_debug_set_level(1);
    dv_ini_save_all(7);
    EXPECT_TRUE(said(L"Onbekende mode 7"));
}

TEST_F(SettingsStore, DescriptionsGiveOrderedItemsDefaultsAndPrototypes) {
    describedCatalogue();
    writeFile(dir / "cfg.ini", "[Algemeen]\r\nEigen=ja\r\n[paal12]\r\nlengte=15\r\nKleur=rood\r\n");
    std::wstring handle;
    ASSERT_EQ(dv_ini_open(path("cfg.ini"), &handle, 20, 2, DV_INI_FILE), 0);
    set(handle, L"Algemeen", L"Eigen", L"ja");

    std::vector<std::wstring> names, values;
    ASSERT_EQ(dv_ini_list_items(handle, L"Algemeen", names, values, 1), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Item2", L"Item10", L"Schaal", L"Eigen"}));
    EXPECT_EQ(values, (std::vector<std::wstring>{L"twee", L"10", L"1.0", L"ja"}));
    DvIniItemInfo info;
    ASSERT_EQ(dv_ini_get_item_info(handle, L"Algemeen", L"item10", &info), 0);
    EXPECT_EQ(info.type, RTSHORT);
    EXPECT_EQ(info.validation.value_or(L"-"), L"0#100");
    EXPECT_EQ(info.descriptionLine, 1);
    ASSERT_EQ(dv_ini_get_item_info(handle, L"Algemeen", L"Item2", &info), 0);
    EXPECT_EQ(info.type, RTSTR);
    EXPECT_FALSE(info.validation.has_value());
    std::wstring explanation;
    EXPECT_EQ(dv_ini_item_description(handle, L"Algemeen", L"Schaal", explanation), 0);
    EXPECT_EQ(explanation, L"De schaal");
    EXPECT_EQ(dv_ini_item_description(handle, L"Algemeen", L"Eigen", explanation), 2);

    // The prototype's items replace what the file had; known values stay.
    ASSERT_EQ(dv_ini_list_items(handle, L"PAAL12", names, values, 1), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Diameter", L"Lengte"}));
    EXPECT_EQ(values, (std::vector<std::wstring>{L"400", L"15"}));
    DvIniSectionInfo section;
    ASSERT_EQ(dv_ini_get_section_info(handle, L"paal12", &section), 0);
    EXPECT_EQ(section.descriptionSection, 22);
    EXPECT_EQ(section.variableSection, 1);

    // Described items without a value are not written; nor are their sections.
    EXPECT_EQ(written(handle, "cfg.ini"),
              "[Algemeen]\r\nEigen=ja\r\n\r\n[paal12]\r\nLengte=15\r\n");
}

TEST_F(SettingsStore, DeletingFallsBackToDefaultsAndHidesSections) {
    describedCatalogue();
    writeFile(dir / "cfg.ini", "[Algemeen]\r\nItem2=drie\r\nEigen=1\r\n[Los]\r\n;let op\r\nx=1\r\n"
                               "[Kort]\r\ny=2\r\n");
    std::wstring handle;
    ASSERT_EQ(dv_ini_open(path("cfg.ini"), &handle, 20, 2, DV_INI_FILE), 0);
    ASSERT_EQ(dv_ini_delete_item(handle, L"Algemeen", L"item2"), 0);
    EXPECT_EQ(text(handle, L"Algemeen", L"Item2"), L"twee");
    ASSERT_EQ(dv_ini_delete_item(handle, L"Algemeen", L"Eigen"), 0);
    EXPECT_EQ(text(handle, L"Algemeen", L"Eigen"), L"<none>");

    dv_ini_delete_item(handle, L"Kort", L"y");
    std::wstring gone = L"Kort";
    EXPECT_EQ(dv_ini_section_name(handle, gone), 1);

    EXPECT_EQ(dv_ini_delete_section(handle, L"los"), 0);
    std::vector<std::wstring> names;
    ASSERT_EQ(dv_ini_list_sections(handle, names), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Algemeen", L"Leeg", L"**DELETED** Los"}));
    EXPECT_EQ(text(handle, L"Los", L"x"), L"<none>");
    EXPECT_EQ(dv_ini_delete_section(handle, L"Nergens"), 1);
    EXPECT_EQ(written(handle, "cfg.ini"), "");
    EXPECT_EQ(dv_ini_delete_item(L"DICHT.INI", L"A", L"x"), 1);
}

TEST_F(SettingsStore, SectionOperationsReportWhatWentWrong) {
    std::wstring handle = open("s.ini", "[Bron]\r\n;c\r\na=1\r\nb=2\r\n[Doel]\r\nz=0\r\n");
    EXPECT_EQ(dv_ini_rename_section(handle, L"", L"x"), -1);
    EXPECT_EQ(dv_ini_rename_section(handle, L"x", L""), -2);
    EXPECT_EQ(dv_ini_rename_section(handle, L"bron", L"DOEL"), 1);
    EXPECT_EQ(dv_ini_rename_section(handle, L"weg", L"x"), 2);
    EXPECT_EQ(dv_ini_copy_section(handle, L"Bron", L"Nieuw"), 0);
    EXPECT_EQ(dv_ini_copy_section(handle, L"weg", L"Nieuw"), 1);
    std::wstring item;
    EXPECT_EQ(dv_ini_find_by_value(handle, L"nieuw", L"2", item), 0);
    EXPECT_EQ(item, L"b");
    EXPECT_EQ(dv_ini_find_by_value(handle, L"nieuw", L"3", item), 1);
    EXPECT_EQ(dv_ini_value_absent(handle, L"Nieuw", L"a", 1), 0);
    EXPECT_EQ(dv_ini_value_absent(handle, L"Nieuw", L"a", -1), 1);
    EXPECT_EQ(dv_ini_value_absent(handle, L"Nieuw", L"q", -1), -1);
    std::vector<wchar_t> block;
    int count = 0;
    ASSERT_EQ(dv_ini_list_sections_flat(handle, block, count, L"n"), 0);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(std::wstring(block.data()), L"Nieuw");
    EXPECT_EQ(block.size(), DV_INI_SECTION_SLOT);
    EXPECT_EQ(dv_ini_list_sections(L"DICHT.INI", *std::make_unique<std::vector<std::wstring>>()),
              1);
}

TEST_F(SettingsStore, CopiesFilterTheirItems) {
    describedCatalogue();
    writeFile(dir / "cfg.ini", "[Algemeen]\r\nItem2=drie\r\nEigen=1\r\n[Los]\r\nx=1\r\n");
    std::wstring handle;
    ASSERT_EQ(dv_ini_open(path("cfg.ini"), &handle, 20, 2, DV_INI_FILE), 0);
    dv_ini_validation(handle, 1);
    ASSERT_EQ(dv_ini_copy_file(handle, L"WerkIni.INI", L"WerkIni.INI", 1), 0);
    EXPECT_EQ(dv_ini_copy_file(handle, L"WerkIni.INI", L"werkini.ini", 1), -1);
    EXPECT_EQ(dv_ini_validation(L"WerkIni.INI", -1), 1);
    std::vector<std::wstring> names;
    ASSERT_EQ(dv_ini_list_sections(L"WerkIni.INI", names), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Algemeen"}));
    std::vector<std::wstring> values;
    ASSERT_EQ(dv_ini_list_items(L"WerkIni.INI", L"Algemeen", names, values, 0), 0);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Item2", L"Item10", L"Schaal"}));
    ASSERT_NE(dv_ini_first_section(L"WerkIni.INI", 1), nullptr);
    EXPECT_EQ(dv_ini_first_section(L"WerkIni.INI", 1)->size(), 1u);
}

TEST_F(SettingsStore, TracesNameTheOperationAndItsEnd) {
    describedCatalogue();
    std::wstring handle = open("t.ini", "[A]\r\nx=1\r\n");
    dv_set_trace_mode(2);
    text(handle, L"A", L"x");
    text(handle, L"A", L"y");
    dv_ini_free(handle);
    dv_set_trace_mode(0);
    EXPECT_TRUE(said(L"\nItem [x] in rubriek [A] van [t.ini] -> Lezen -> Succes"))
        << wideToUtf8(transcript);
    EXPECT_TRUE(said(L"\nItem [y] in rubriek [A] van [t.ini] -> Lezen -> Failed"));
    EXPECT_TRUE(said(L"\nVrijgeven alle gegevens van [t.ini] -> Succes"));
}

TEST_F(SettingsStore, ShowPrintsEverySectionAndItem) {
    std::wstring handle = open("t.ini", "[A]\r\n;c\r\nx=1\r\n");
    dv_debug_set_level(1);
    dv_ini_show(handle);
    dv_ini_show(L"DICHT.INI");
    EXPECT_TRUE(said(L"Inhoud ini-file : " + path("t.ini") + L" [t.ini]\n\n[A]\n;c\nx=1\n"));
    EXPECT_TRUE(said(L"Ini-bestand 'DICHT.INI' is niet open!"));
}

} // namespace
} // namespace vma::test
