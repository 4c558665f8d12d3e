// Text of DXF values: \U+XXXX escapes, UTF-8 or Windows-1252 bytes by file
// version, and what the writer makes of non-ASCII and control characters.
#include "dxf/dxf_test_support.h"
#include "host/dxf/encoding.h"

#include <gtest/gtest.h>

using namespace vma;

namespace {

std::string textOfFirstEntity(std::string_view version, std::string_view raw) {
    std::string input = test::dxfText({{0, "SECTION"},
                                       {2, "HEADER"},
                                       {9, "$ACADVER"},
                                       {1, version},
                                       {0, "ENDSEC"},
                                       {0, "SECTION"},
                                       {2, "ENTITIES"},
                                       {0, "TEXT"},
                                       {1, raw},
                                       {0, "ENDSEC"},
                                       {0, "EOF"}});
    auto r = test::mustRead(input);
    if (r.db->entityCount() == 0)
        return "<none>";
    return std::string(r.db->entity(0).groups.findText(1).value_or("<no text>"));
}

struct DecodeCase {
    const char* version;
    std::string raw;
    std::string expected;
};

class Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, GivesUtf8) {
    EXPECT_EQ(textOfFirstEntity(GetParam().version, GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Dxf, Decode,
                         testing::Values(DecodeCase{"AC1015", "plain", "plain"},
                                         DecodeCase{"AC1015", "\\U+00E9t\\U+00E9", "été"},
                                         DecodeCase{"AC1015", "\\u+20ac", "€"},
                                         DecodeCase{"AC1015", "\\U+D83D\\U+DE00",
                                                    "\xF0\x9F\x98\x80"},
                                         DecodeCase{"AC1015", "\\U+D83D", "\xEF\xBF\xBD"},
                                         DecodeCase{"AC1015", "\\U+12G4 stays", "\\U+12G4 stays"},
                                         DecodeCase{"AC1015", "a\\Pb", "a\\Pb"},
                                         DecodeCase{"AC1009",
                                                    "Stra\xDF"
                                                    "e \x80",
                                                    "Straße €"},
                                         DecodeCase{"AC1015",
                                                    "Stra\xC3\x9F"
                                                    "e",
                                                    "Straße"},
                                         DecodeCase{"AC1021",
                                                    "Stra\xC3\x9F"
                                                    "e \\U+00E9",
                                                    "Straße é"}));

TEST(Encoding, InvalidUtf8InAUtf8FileIsWarnedAbout) {
    std::string input = test::dxfText({{0, "SECTION"},
                                       {2, "HEADER"},
                                       {9, "$ACADVER"},
                                       {1, "AC1024"},
                                       {0, "ENDSEC"},
                                       {0, "SECTION"},
                                       {2, "ENTITIES"},
                                       {0, "TEXT"},
                                       {1, "caf\xE9"},
                                       {0, "ENDSEC"},
                                       {0, "EOF"}});
    auto r = dxf::read(input);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->warnings.size(), 1u);
    EXPECT_EQ(r->warnings[0].line, 18);
    EXPECT_EQ(r->db->entity(0).groups.findText(1), "café");
}

TEST(Encoding, WriterEscapesEverythingButPrintableAscii) {
    std::string out;
    dxf::appendEncoded(out, "é€\xF0\x9F\x98\x80 a\nb^");
    EXPECT_EQ(out, "\\U+00E9\\U+20AC\\U+D83D\\U+DE00 a^Jb^");
    EXPECT_TRUE(dxf::isPlainAscii("Paal 12 (x^2)"));
    EXPECT_FALSE(dxf::isPlainAscii("tab\there"));
}

TEST(Encoding, NonAsciiTextSurvivesARoundTrip) {
    auto db = db::Database::createNew();
    db::Entity e;
    e.groups.addText(0, "TEXT");
    e.groups.addText(1, "Ø 12 — maaiveld €, 😀");
    db->addEntity(e);
    std::string text = test::written(*db);
    EXPECT_NE(text.find("\\U+00D8 12 \\U+2014 maaiveld \\U+20AC, \\U+D83D\\U+DE00"),
              std::string::npos);
    for (char c : text)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    auto back = test::mustRead(text);
    EXPECT_EQ(back.db->entity(0).groups.findText(1), "Ø 12 — maaiveld €, 😀");
}

} // namespace
