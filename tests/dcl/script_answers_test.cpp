// Dialogs and message boxes answered by the lines of a script: "#dlg" and
// "#box" lines queued in script order whether they stand before or after the
// command that opens the dialog, a dialog with no answer lines cancelled with
// a note, a malformed line reported without stopping the script, and message
// boxes taking "#box" buttons.
#include "dcl_fixture.h"
#include "host/input/answers.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "host/win/answers.h"
#include "windows.h"

namespace vma::test {
namespace {

constexpr const char* kDialog = R"DCL(
ask : dialog {
    label = "Ask";
    : edit_box { key = "name"; label = "Name:"; }
    : toggle { key = "flag"; }
    ok_cancel;
}
)DCL";

class ScriptAnswers : public DclTest {
protected:
    void SetUp() override {
        DclTest::SetUp();
        id = load("ask.dcl", kDialog);
        auto& commands = input::CommandRegistry::get();
        commands.add(L"DLG", [this] { runDialog(); });
        commands.add(L"BOX", [this] {
            boxes.push_back(MessageBoxW(nullptr, L"Go on?", L"Check", MB_YESNO));
        });
    }
    void TearDown() override {
        input::CommandRegistry::get().clear();
        win::MessageBoxAnswers::get().clear();
        input::Engine::get().reset();
        DclTest::TearDown();
    }

    void runDialog() {
        ads_hdlg hdlg = BAD_DIALOG;
        ASSERT_EQ(ads_new_dialog(L"ask", id, NULLCB, &hdlg), RTNORM);
        int status = -5;
        std::string name = tileValue(hdlg, L"name");
        ads_action_tile(hdlg, L"accept", [](ads_callback_packet* p) {
            wchar_t value[64];
            ads_get_tile(p->dialog, L"name", value, 64);
            lastName = wideToUtf8(value);
            ads_done_dialog(p->dialog, DLGOK);
        });
        ads_start_dialog(hdlg, &status);
        statuses.push_back(status);
    }

    void run(const std::string& script) {
        auto ran = input::runScript(script);
        ASSERT_TRUE(ran.ok()) << ran.error().message;
    }

    int id = -1;
    std::vector<int> statuses;
    std::vector<int> boxes;
    static inline std::string lastName;
};

TEST_F(ScriptAnswers, LinesAfterTheCommandAnswerTheDialog) {
    lastName.clear();
    run("DLG\n#dlg set name Piet\n#dlg toggle flag\n#dlg press accept\n");
    ASSERT_EQ(statuses, std::vector<int>{DLGOK});
    EXPECT_EQ(lastName, "Piet");
    EXPECT_TRUE(said("dialog ask: #dlg set name \"Piet\"")) << transcript;
}

TEST_F(ScriptAnswers, LinesBeforeTheCommandAreQueuedInOrder) {
    run("#dlg press cancel\n#dlg set name Jan\n#dlg press accept\nDLG\nDLG\n");
    EXPECT_EQ(statuses, (std::vector<int>{DLGCANCEL, DLGOK}));
    EXPECT_EQ(lastName, "Jan");
}

TEST_F(ScriptAnswers, UnansweredDialogIsCancelledAndTheScriptGoesOn) {
    run("DLG\nBOX\n#box yes\n");
    EXPECT_EQ(statuses, std::vector<int>{DLGCANCEL});
    EXPECT_TRUE(said("dialog ask: no answer, cancelled")) << transcript;
    EXPECT_EQ(boxes, std::vector<int>{IDYES});
}

TEST_F(ScriptAnswers, MessageBoxesTakeTheirButtons) {
    run("#box No\nBOX\nBOX\n#box YES\nBOX\n");
    EXPECT_EQ(boxes, (std::vector<int>{IDNO, IDYES, IDYES}));
    EXPECT_TRUE(said("Answer: No")) << transcript;
    EXPECT_TRUE(said("No answer: Yes (the default button)")) << transcript;
}

TEST_F(ScriptAnswers, DialogAndBoxLinesKeepTheirOwnQueues) {
    run("DLG\n#box no\n#dlg press accept\nBOX\n");
    EXPECT_EQ(statuses, std::vector<int>{DLGOK});
    EXPECT_EQ(boxes, std::vector<int>{IDNO});
}

struct BadLine {
    const char* line;
    const char* complaint;
};

TEST_F(ScriptAnswers, MalformedLinesAreReportedAndSkipped) {
    const BadLine cases[] = {
        {"#dlg jump name", "; error: #dlg: unknown action \"jump\""},
        {"#dlg pick", "; error: #dlg pick: a tile key is missing"},
        {"#box maybe", "; error: #box: unknown button \"maybe\""},
        {"#box", "; error: #box: a button name is missing"},
    };
    for (const auto& c : cases) {
        transcript.clear();
        statuses.clear();
        run(std::string(c.line) + "\nDLG\n#dlg press accept\n");
        EXPECT_TRUE(said(c.complaint)) << c.line << "\n" << transcript;
        EXPECT_EQ(statuses, std::vector<int>{DLGOK}) << c.line;
    }
}

TEST(AnswerLines, Recognised) {
    EXPECT_TRUE(input::isAnswerLine(L"#dlg press accept"));
    EXPECT_TRUE(input::isAnswerLine(L"  #box yes\r"));
    EXPECT_TRUE(input::isAnswerLine(L"#box"));
    EXPECT_FALSE(input::isAnswerLine(L"#dlgx press"));
    EXPECT_FALSE(input::isAnswerLine(L"LINE #dlg"));
    EXPECT_FALSE(input::isAnswerLine(L"#boxes"));
}

} // namespace
} // namespace vma::test
