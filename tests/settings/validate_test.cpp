// Validation of a described item's value: ranges per item type with their
// bounds and messages, lists matched by the caller's type, the items that
// accept anything, and the switch that decides whether a box explains a
// rejection.
#include "settings/ini_value.h"
#include "settings_fixture.h"

#include <vector>

namespace vma::test {
namespace {

constexpr const wchar_t* kCaption = L"** Incorrecte waarde opgegeven **\n";

IniItem describedItem(int type, std::wstring rule) {
    IniItem item;
    item.name = L"Waarde";
    item.type = type;
    item.described = true;
    item.validation = std::move(rule);
    return item;
}

DvValue valueOf(int type, double a, double b = 0, double c = 0) {
    if (type == RTREAL)
        return DvValue::ofReal(a);
    if (type == RTSHORT || type == RTLONG)
        return DvValue::ofInt(static_cast<int>(a));
    return DvValue::ofPoint(a, b, c);
}

class Validate : public SettingsTest {
protected:
    // Validates with the switch set, so a rejection always shows its text.
    int check(int itemType, const wchar_t* rule, int valueType, const DvValue& value) {
        transcript.clear();
        return dv_ini_validate(describedItem(itemType, rule), value, valueType, 1);
    }
};

struct Case {
    int itemType;
    const wchar_t* rule;
    int valueType;
    DvValue value;
    const wchar_t* message; // null: the value passes
};

class Verdict : public Validate, public ::testing::WithParamInterface<Case> {};

TEST_P(Verdict, AcceptsOrExplains) {
    const Case& c = GetParam();
    const int valid = check(c.itemType, c.rule, c.valueType, c.value);
    if (c.message == nullptr) {
        EXPECT_EQ(valid, 1) << shown();
        EXPECT_TRUE(transcript.empty()) << shown();
        return;
    }
    EXPECT_EQ(valid, 0);
    EXPECT_TRUE(said(kCaption + std::wstring(c.message) + L"\n[OK]")) << shown();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Verdict,
    ::testing::Values(
        Case{RTREAL, L"0#10", RTREAL, valueOf(RTREAL, 10), nullptr},
        Case{RTREAL, L"0#10", RTREAL, valueOf(RTREAL, 0), nullptr},
        Case{RTREAL, L"0#10", RTREAL, valueOf(RTREAL, 10.0000001),
             L"Waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTREAL, L"0.25#1.75", RTREAL, valueOf(RTREAL, 0.2),
             L"Waarde moet liggen in bereik 0.2 - 1.8!"},
        Case{RTREAL, L"#10", RTREAL, valueOf(RTREAL, -1),
             L"Waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTREAL, L"0#10", RTSTR, DvValue::ofText(L" 9.5 m"), nullptr},
        Case{RTREAL, L"0#10", RTSTR, DvValue::ofText(L"11"),
             L"Waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTREAL, L"0#10", RTSHORT, valueOf(RTSHORT, 7), nullptr},
        Case{RTSHORT, L"1#5", RTSHORT, valueOf(RTSHORT, 5), nullptr},
        Case{RTSHORT, L"1#5", RTSHORT, valueOf(RTSHORT, 6), L"Waarde moet liggen in bereik 1 - 5!"},
        Case{RTSHORT, L"1#5", RTSTR, DvValue::ofText(L"5.9"), nullptr},
        Case{RTSHORT, L"1#5", RTREAL, valueOf(RTREAL, 5.5), L"Waarde moet liggen in bereik 1 - 5!"},
        Case{RTLONG, L"-100#100", RTLONG, valueOf(RTLONG, -101),
             L"Waarde moet liggen in bereik -100 - 100!"},
        Case{RTLONG, L"-100#100", RTLONG, valueOf(RTLONG, 100), nullptr},
        Case{RTREAL, L"0#10", RTPOINT, valueOf(RTPOINT, 1, 1),
             L"Waarde moet liggen in bereik 0.0 - 10.0!"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, Verdict,
    ::testing::Values(Case{RTSTR, L"A#M", RTSTR, DvValue::ofText(L"B"), nullptr},
                      Case{RTSTR, L"A#M", RTSTR, DvValue::ofText(L"M"), nullptr},
                      Case{RTSTR, L"A#M", RTSTR, DvValue::ofText(L"b"),
                           L"Waarde moet liggen in bereik 'A' - 'M'!"},
                      Case{RTSTR, L"A#M", RTSTR, DvValue::ofText(L"MA"),
                           L"Waarde moet liggen in bereik 'A' - 'M'!"},
                      Case{RTSTR, L"1#5", RTSHORT, valueOf(RTSHORT, 3), nullptr},
                      Case{RTSTR, L"1#5", RTREAL, valueOf(RTREAL, 5),
                           L"Waarde moet liggen in bereik '1' - '5'!"}));

INSTANTIATE_TEST_SUITE_P(
    Points, Verdict,
    ::testing::Values(
        Case{RTPOINT, L"0#10", RTPOINT, valueOf(RTPOINT, 5, 1e6), nullptr},
        Case{RTPOINT, L"0#10", RTPOINT, valueOf(RTPOINT, 11, 0),
             L"X-waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTPOINT, L"0,0#10,5", RTPOINT, valueOf(RTPOINT, 1, 6),
             L"Y-waarde moet liggen in bereik 0.0 - 5.0!"},
        Case{RTPOINT, L"0,0#1,1", RTPOINT, valueOf(RTPOINT, 5, 5),
             L"X-waarde moet liggen in bereik 0.0 - 1.0!"},
        Case{RTPOINT, L",5#10,9", RTPOINT, valueOf(RTPOINT, -1, 6),
             L"X-waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTPOINT, L",5#10,9", RTPOINT, valueOf(RTPOINT, 0, 4),
             L"Y-waarde moet liggen in bereik 5.0 - 9.0!"},
        Case{RT3DPOINT, L"0,0,0#1,1,1", RT3DPOINT, valueOf(RT3DPOINT, 0.5, 0.5, 1), nullptr},
        Case{RT3DPOINT, L"0,0,0#1,1,1", RT3DPOINT, valueOf(RT3DPOINT, 0.5, 0.5, 2),
             L"Z-waarde moet liggen in bereik 0.0 - 1.0!"},
        Case{RT3DPOINT, L"0,0#1,1", RT3DPOINT, valueOf(RT3DPOINT, 1, 1, -5e29), nullptr},
        Case{RTPOINT, L"0,0#10,10", RTSTR, DvValue::ofText(L"5,5"), nullptr},
        Case{RTPOINT, L"0,0#10,10", RTSTR, DvValue::ofText(L"5,11"),
             L"Y-waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RTPOINT, L"0,0#10,10", RTSTR, DvValue::ofText(L"5"),
             L"Y-waarde moet liggen in bereik 0.0 - 10.0!"},
        Case{RT3DPOINT, L"0,0,0#9,9,9", RTPOINT, valueOf(RTPOINT, 1, 1),
             L"Z-waarde moet liggen in bereik 0.0 - 9.0!"}));

INSTANTIATE_TEST_SUITE_P(
    Lists, Verdict,
    ::testing::Values(
        Case{RTSHORT, L"1,2,3", RTSTR, DvValue::ofText(L"2"), nullptr},
        Case{RTSHORT, L"1,2,3", RTSTR, DvValue::ofText(L"2.0"),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: '1', '2', '3', "},
        Case{RTSHORT, L"1,2,3", RTREAL, valueOf(RTREAL, 2.0000005), nullptr},
        Case{RTSHORT, L"1,2,3", RTREAL, valueOf(RTREAL, 2.00001),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: 1.0, 2.0, 3.0, "},
        Case{RTREAL, L"1;2.5,7", RTSHORT, valueOf(RTSHORT, 7), nullptr},
        Case{RTREAL, L"1;2.5,7", RTSHORT, valueOf(RTSHORT, 2), nullptr},
        Case{RTREAL, L"1;2.5,7", RTSHORT, valueOf(RTSHORT, 3),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: 1, 2, 7, "},
        Case{RTLONG, L"100,200", RTLONG, valueOf(RTLONG, 300),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: 100, 200, "},
        Case{RTSTR, L"Ja;Nee", RTSTR, DvValue::ofText(L"nEE"), nullptr},
        Case{RTSTR, L"A, B", RTSTR, DvValue::ofText(L"B"),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: 'A', ' B', "},
        Case{RTSTR, L"A, B", RTSTR, DvValue::ofText(L" b"), nullptr},
        Case{RTREAL, L"1, 2", RTREAL, valueOf(RTREAL, 2), nullptr},
        Case{RTSTR, L"A,,B", RTSTR, DvValue::ofText(L""), nullptr},
        Case{RTPOINT, L"1,2", RTPOINT, valueOf(RTPOINT, 1, 2),
             L"De opgegeven waarde komt niet voor in de lijst met toegestane waarden!\n\n"
             L"Toegestaan: 1, 2, "}));

TEST_F(Validate, ItemsWithoutACheckAcceptAnything) {
    IniItem plain = describedItem(RTREAL, L"");
    plain.validation.reset();
    EXPECT_EQ(dv_ini_validate(plain, DvValue::ofReal(1e9), RTREAL, 1), 1);
    EXPECT_EQ(dv_ini_validate(describedItem(0, L"0#1"), DvValue::ofReal(5), RTREAL, 1), 1);
    EXPECT_EQ(dv_ini_validate(describedItem(RTANG, L"0#1"), DvValue::ofReal(5), RTREAL, 1), 1);
    EXPECT_TRUE(transcript.empty()) << shown();
}

// The switch decides only whether the rejection is explained, never the verdict.
TEST_F(Validate, SwitchShowsTheBoxOrKeepsQuiet) {
    const IniItem item = describedItem(RTREAL, L"0#10");
    EXPECT_EQ(dv_ini_validate(item, DvValue::ofReal(11), RTREAL, 0), 0);
    EXPECT_FALSE(said(L"Incorrecte waarde")) << shown();
    EXPECT_EQ(dv_ini_validate(item, DvValue::ofReal(11), RTREAL, 1), 0);
    EXPECT_TRUE(said(kCaption)) << shown();
    EXPECT_TRUE(said(L"[OK]")) << shown();
    EXPECT_TRUE(win::MessageBoxAnswers::get().empty());
}

TEST_F(Validate, CatalogueLinesReplaceTheBuiltInTexts) {
    std::vector<std::string> lines(84);
    lines[72 - 1] = "Foute waarde";
    lines[73 - 1] = "Tussen %.2lf en %.2lf";
    lines[77 - 1] = "Niet toegestaan";
    lines[81 - 1] = "Kies uit: ";
    useCatalogue({{100, lines}});

    EXPECT_EQ(check(RTREAL, L"1#2", RTREAL, DvValue::ofReal(3)), 0);
    EXPECT_TRUE(said(L"** Foute waarde **\nTussen 1.00 en 2.00\n")) << shown();
    EXPECT_EQ(check(RTSTR, L"a,b", RTSTR, DvValue::ofText(L"c")), 0);
    EXPECT_TRUE(said(L"Niet toegestaan\n\nKies uit: 'a', 'b', \n")) << shown();
}

// Through the store: a rejected value leaves the item as it was, and the
// file's switch decides about the box.
TEST_F(Validate, StoreKeepsTheOldValueOfARejectedSet) {
    useCatalogue({{20, {"Maten=21"}}, {21, {"Schaal=De schaal", "RTREAL#50#1#1000"}}});
    std::wstring handle;
    ASSERT_EQ(dv_ini_open((dir / "maten.ini").wstring(), &handle, 20, 2, DV_INI_FILE), 0);
    ASSERT_EQ(dv_ini_set(handle, L"Maten", L"Schaal", RTREAL, DvValue::ofReal(100)), 0);
    EXPECT_EQ(dv_ini_set(handle, L"Maten", L"Schaal", RTSTR, DvValue::ofText(L"2000")), 1);
    EXPECT_FALSE(said(L"Incorrecte waarde")) << shown();
    ASSERT_EQ(dv_ini_validation(handle, 1), 1);
    EXPECT_EQ(dv_ini_set(handle, L"Maten", L"Schaal", RTREAL, DvValue::ofReal(0.5)), 1);
    EXPECT_TRUE(said(L"Waarde moet liggen in bereik 1.0 - 1000.0!")) << shown();
    DvValue value;
    ASSERT_EQ(dv_ini_get(handle, L"Maten", L"Schaal", RTREAL, value), 0);
    EXPECT_EQ(value.real, 100);
}

} // namespace
} // namespace vma::test
