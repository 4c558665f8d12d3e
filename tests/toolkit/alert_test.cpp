// Alert boxes as the host's MessageBoxW shows and answers them: title bands by
// the longest line, lines cut to 77 characters, button sets by mode and the
// answers they give, catalogue boxes and the alert titles from the catalogue.
#include "catalogue_bytes.h"
#include "host/input/driver.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

class Alert : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        const std::string bytes = rawCatalogue(
            {{3,
              {"Titel een %s", "", "", "Titel twee %s", "", "", "Titel drie %s", "", "",
               "Titel vier %s", "", ""}},
             {9, {"Paal %d geplaatst", "", "", "Afstand %.1f", "", "", "Blok %s", "", ""}}});
        writeFile(dir / "cat.txt", bytes);
        ASSERT_EQ(dv_catalogue_open((dir / "cat.txt").wstring().c_str(), 3, 0), 0);
    }
    void press(const wchar_t* button) { win::MessageBoxAnswers::get().push(button); }
};

struct Band {
    size_t length;
    const wchar_t* title;
};

class TitleBand : public Alert, public ::testing::WithParamInterface<Band> {};

TEST_P(TitleBand, LongestLineChoosesTheTitle) {
    dv_load_alert_titles(3, 1, L"R34");
    const std::wstring line(GetParam().length, L'x');
    dv_message_box(0, L"kort", line.c_str());
    EXPECT_TRUE(said(std::wstring(L"** ") + GetParam().title + L" **")) << wideToUtf8(transcript);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TitleBand,
                         ::testing::Values(Band{19, L"Titel een R34"}, Band{20, L"Titel twee R34"},
                                           Band{39, L"Titel twee R34"}, Band{40, L"Titel drie R34"},
                                           Band{59, L"Titel drie R34"}, Band{60, L"Titel vier R34"},
                                           Band{100, L"Titel vier R34"}));

TEST_F(Alert, LinesAreCutTo77Characters) {
    std::wstring line;
    for (int i = 0; i < 100; ++i)
        line += static_cast<wchar_t>(L'a' + i % 26);
    dv_message_box(0, line.c_str());
    EXPECT_TRUE(said(line.substr(0, 77) + L"\n"));
    EXPECT_FALSE(said(line.substr(0, 78)));
}

TEST_F(Alert, ThirdLineOnlyWithTheSecond) {
    dv_message_box(0, L"een", nullptr, L"drie");
    EXPECT_FALSE(said(L"drie"));
    dv_message_box(0, L"een", L"twee", L"drie");
    EXPECT_TRUE(said(L"een\ntwee\ndrie\n"));
}

struct Answer {
    int mode;
    const wchar_t* button;
    int expected;
};

class Buttons : public Alert, public ::testing::WithParamInterface<Answer> {};

TEST_P(Buttons, AnswerGivesStatus) {
    press(GetParam().button);
    EXPECT_EQ(dv_message_box(GetParam().mode, L"Doorgaan?"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, Buttons,
                         ::testing::Values(Answer{0, L"OK", RTNORM}, Answer{1, L"OK", RTNORM},
                                           Answer{1, L"Cancel", RTCAN}, Answer{2, L"Yes", RTNORM},
                                           Answer{2, L"No", RTCAN}, Answer{3, L"Yes", RTNORM},
                                           Answer{3, L"No", RTCAN}, Answer{3, L"Cancel", RTCAN},
                                           Answer{7, L"OK", RTNORM}));

TEST_F(Alert, ModesShowTheirButtons) {
    dv_message_box(3, L"Opslaan?");
    EXPECT_TRUE(said(L"[Yes] [No] [Cancel]"));
}

TEST_F(Alert, TimedBoxEndsOnEscAndIsCancelled) {
    input::Driver driver;
    driver.esc();
    EXPECT_EQ(dv_message_box(-600, L"Even geduld"), RTCAN);
}

TEST_F(Alert, MissingFirstLine) {
    EXPECT_EQ(dv_message_box(0, nullptr), RTCAN);
    EXPECT_TRUE(said(L"Geen message meegegeven!"));
}

TEST_F(Alert, CatalogueBoxFormatsEachLine) {
    press(L"OK");
    EXPECT_EQ(dv_ads_message(1, 9, 1, RTSHORT, dv_arg(12), 2, RTREAL, dv_arg(2.25), 3, RTSTR,
                             dv_arg(L"PAAL1")),
              RTNORM);
    EXPECT_TRUE(said(L"Paal 12 geplaatst\nAfstand 2.2\nBlok PAAL1\n")) << wideToUtf8(transcript);
}

TEST_F(Alert, CatalogueBoxWithoutFirstLineIsAnError) {
    EXPECT_EQ(dv_ads_message(0, 9, 0, RTNONE, {}), RTERROR);
    EXPECT_TRUE(said(L"FOUT\nGaarne minimaal 1 regel meegeven aan\nde funktie dv_ads_message()!!"));
}

TEST_F(Alert, TitlesKeepTheirValueWhenTheCatalogueLacksThem) {
    dv_load_alert_titles(30, 1, L"R34");
    EXPECT_EQ(dv_alert_title(1), L"Velmora Alert");
    dv_load_alert_titles(3, 1, L"R34");
    EXPECT_EQ(dv_alert_title(4), L"Titel vier R34");
}

} // namespace
} // namespace vma::test
