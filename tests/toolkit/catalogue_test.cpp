// The message catalogue: lookups by language and variant, the built-in texts
// of section 100 when the catalogue cannot give a line, formatting by
// argument type, and files that are missing, foreign, truncated or malformed.
#include "catalogue_bytes.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_catalogue_reader.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

class Catalogue : public ToolkitTest {
protected:
    // Section 23 has two lines of three variants; section 100 line 48 is the
    // placeholder; section 5 has five records only.
    std::string sample() {
        return rawCatalogue(
            {{23, {"Regel een", "Line one", "Zeile eins", "Waarde %d", "Value %d", "Wert %d"}},
             {100,
              {"HUIDIG", "CURRENT", "AKTUELL", "", "", "", "", "", "", "", "", "", "", "", ""}},
             {5, {"a", "b", "c", "d", "e"}},
             {7, {"Prijs \x80 5, caf\xe9", "", "", "", "", ""}}});
    }
    std::wstring write(const std::string& bytes, const char* name = "VMAAPPS.TXT") {
        writeFile(dir / name, bytes);
        return (dir / name).wstring();
    }
    std::wstring text(int section, int line, int type = RTNONE, const DvArg& arg = {}) {
        std::wstring out;
        dv_catalogue_text(out, section, line, type, arg);
        return out;
    }
};

TEST_F(Catalogue, LanguageSelectsTheVariant) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(text(23, 1), L"Regel een");
    EXPECT_EQ(dv_catalogue_open(nullptr, 3, 1), 0);
    EXPECT_EQ(text(23, 1), L"Line one");
    EXPECT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 2), 0);
    EXPECT_EQ(text(23, 1), L"Zeile eins");
}

TEST_F(Catalogue, LineOutsideTheSectionReportsTheRecord) {
    dv_debug_set_level(1);
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 1), 0);
    std::wstring out;
    EXPECT_EQ(dv_catalogue_text(out, 5, 2, RTNONE, {}), 0);
    EXPECT_EQ(out, L"e");
    dv_catalogue_open(nullptr, 3, 2);
    EXPECT_EQ(dv_catalogue_text(out, 5, 2, RTNONE, {}), 1);
    EXPECT_TRUE(said(L"Regel 6 komt niet voor in rubriek 5 (max = 5)\n"));
    EXPECT_EQ(dv_catalogue_text(out, 99, 1, RTNONE, {}), 1);
    EXPECT_TRUE(said(L"Rubriek 99 komt niet voor in tekstbestand\n"));
    EXPECT_EQ(dv_catalogue_text(out, 5, 0, RTNONE, {}), 1);
}

TEST_F(Catalogue, FailedLookupGivesThePlaceholder) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(text(23, 9), L"Nog leeg!");
    dv_catalogue_close();
    std::wstring out;
    EXPECT_EQ(dv_catalogue_text(out, 23, 1, RTNONE, {}), 1);
    EXPECT_EQ(out, L"Incompatible textfile! ");
}

TEST_F(Catalogue, ToolkitLinesFallBackToTheirBuiltInText) {
    EXPECT_STREQ(dv_catalogue_line(1, L"CURRENT"), L"CURRENT");
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_STREQ(dv_catalogue_line(1, L"CURRENT"), L"HUIDIG");
    EXPECT_STREQ(dv_catalogue_line(2, L"FOUT: Maat"), L"");
    EXPECT_STREQ(dv_catalogue_line(47, L"Press any key to continue..."),
                 L"Press any key to continue...");
}

TEST_F(Catalogue, FormatsByArgumentType) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(text(23, 2, RTSHORT, dv_arg(12)), L"Waarde 12");
    EXPECT_EQ(text(23, 2, RTLONG, dv_arg(70000)), L"Waarde 70000");
    EXPECT_EQ(text(23, 2, RTNONE, dv_arg(12)), L"Waarde %d");
    EXPECT_EQ(text(23, 2, RTNIL), L"Waarde %d");
    EXPECT_EQ(text(23, 2, RTSTR, dv_arg(L"twaalf")), L"Waarde <%d?>");
    EXPECT_EQ(text(23, 2, RTREAL, dv_arg(1.5)), L"Waarde <%d?>");
    EXPECT_EQ(text(23, 2, RTENAME, dv_arg(1)), L"DEBUG(ERRORMODE)..Waarde %d");
}

TEST_F(Catalogue, Windows1252BecomesWide) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(text(7, 1), L"Prijs \u20ac 5, caf\u00e9");
}

TEST_F(Catalogue, PrintReportsEmptyAndMissingLines) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(dv_catalogue_print(23, 2, RTSHORT, dv_arg(4)), 0);
    EXPECT_TRUE(said(L"\nWaarde 4"));
    EXPECT_EQ(dv_catalogue_print(100, 2), 2);
    EXPECT_EQ(dv_catalogue_print(23, 3), 1);
}

TEST_F(Catalogue, OpenWhileOpenOnlyChangesTheLanguage) {
    ASSERT_EQ(dv_catalogue_open(write(sample()).c_str(), 3, 0), 0);
    EXPECT_EQ(dv_catalogue_open(L"/niet/aanwezig.txt", 3, 1), 0);
    EXPECT_EQ(text(23, 1), L"Line one");
}

TEST_F(Catalogue, BadFilesAreRefused) {
    EXPECT_EQ(dv_catalogue_open(nullptr, 3, 0), 1);
    EXPECT_EQ(dv_catalogue_open((dir / "ontbreekt.txt").wstring().c_str(), 3, 0), 1);
    EXPECT_EQ(dv_catalogue_open(write("kort").c_str(), 3, 0), 2);
    std::string foreign = sample();
    foreign[trailerField(foreign, 0)] = 'X';
    EXPECT_EQ(dv_catalogue_open(write(foreign).c_str(), 3, 0), -1);
    EXPECT_TRUE(said(L"Incompatible textfile!\n"));
    EXPECT_EQ(text(23, 1), L"Incompatible textfile! ");
}

struct Spoil {
    const char* what;
    size_t field;
    uint32_t value;
};

class SpoiledTrailer : public Catalogue, public ::testing::WithParamInterface<Spoil> {};

TEST_P(SpoiledTrailer, RefusedOrLookupsFail) {
    std::string bytes = sample();
    putWord(bytes, trailerField(bytes, GetParam().field), GetParam().value);
    const int opened = dv_catalogue_open(write(bytes).c_str(), 3, 0);
    if (opened != 0) {
        EXPECT_EQ(opened, 2);
        return;
    }
    std::wstring out;
    EXPECT_EQ(dv_catalogue_text(out, 23, 1000000, RTNONE, {}), 1) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Fields, SpoiledTrailer,
                         ::testing::Values(Spoil{"count above 500", 12, 501},
                                           Spoil{"negative count", 12, 0xFFFFFFFF},
                                           Spoil{"record length 256", 6016, 256},
                                           Spoil{"record length 0", 6016, 0},
                                           Spoil{"offset past the end", 4016, 0x7FFFFFF0},
                                           Spoil{"huge record count", 2016, 0x7FFFFFFF},
                                           Spoil{"negative record count", 2016, 0x80000000}));

TEST(CatalogueReader, InMemorySourceAndRecordsPastTheEnd) {
    std::string bytes = rawCatalogue({{1, {"een", "twee"}}}, 8);
    DvCatalogueReader reader;
    ASSERT_EQ(reader.open(std::make_unique<DvMemorySource>(bytes)), DvCatalogueReader::Open::Ok);
    EXPECT_EQ(reader.lookup(1, 2, 1, 0).text, L"twee");
    EXPECT_EQ(reader.lookup(1, 1, 2, 2).status, DvLookup::Status::NoRecord);
    putWord(bytes, trailerField(bytes, 4016), static_cast<uint32_t>(bytes.size() - 4));
    ASSERT_EQ(reader.open(std::make_unique<DvMemorySource>(bytes)), DvCatalogueReader::Open::Ok);
    EXPECT_EQ(reader.lookup(1, 1, 1, 0).status, DvLookup::Status::ReadFailed);
}

TEST(CatalogueReader, ShippedCatalogueHoldsTheToolkitLines) {
    DvCatalogueReader reader;
    const std::wstring path = std::filesystem::path(VMA_BINARY_DIR "/vma/VMAAPPS.TXT").wstring();
    ASSERT_EQ(reader.open(DvFileSource::open(path.c_str())), DvCatalogueReader::Open::Ok);
    EXPECT_EQ(reader.lookup(100, 1, 3, 0).text, L"CURRENT");
    EXPECT_EQ(reader.lookup(100, 48, 3, 0).text, L"Nog leeg!");
    EXPECT_EQ(reader.lookup(100, 48, 3, 1).text, L"Still empty!");
    EXPECT_EQ(reader.lookup(100, 11, 3, 0).text, L"Referentie ");
    EXPECT_EQ(reader.lookup(100, 23, 3, 2).text, L"BEST\u00c4TIGUNG");
    EXPECT_EQ(reader.lookup(3, 2, 3, 0).text, L"Velmora %s - Melding");
    EXPECT_EQ(reader.lookup(100, 9, 3, 0).text, L"");
}

} // namespace
} // namespace vma::test
