// vmacon answering dialogs and message boxes: from a script file with "#dlg"
// and "#box" lines, and at the terminal, where a dialog shows as a text form
// and asks at "Dialog>" and a message box asks at "Button>".
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

constexpr const char* kDialog = R"DCL(
ask : dialog {
    label = "Ask";
    : edit_box { key = "name"; label = "Name:"; }
    ok_cancel;
}
)DCL";

// Opens the dialog, keeps the name typed into it, and says what came back.
constexpr const char* kOpen =
    "(setq id (load_dialog \"ask\"))\n"
    "(new_dialog \"ask\" id)\n"
    "(action_tile \"accept\" \"(setq got (get_tile \\\"name\\\")) (done_dialog 1)\")\n"
    "(setq st (start_dialog))\n";

ProcessResult vmacon(const std::vector<std::string>& args, const std::string& input = {}) {
    return runProcess(VMA_BINARY_DIR "/bin/vmacon", args, input);
}

TEST(VmaconDialogs, ScriptLinesAnswerDialogAndMessageBox) {
    TempDir dir;
    writeFile(dir / "ask.dcl", kDialog);
    std::string script = (dir / "run.scr").string();
    writeFile(script, std::string(kOpen) + "#dlg set name Kees\n"
                                           "#dlg press accept\n"
                                           "(alert (strcat \"got \" got))\n"
                                           "#box ok\n"
                                           "(princ (strcat \"status \" (itoa st)))\n");
    ProcessResult run = vmacon({"--support", dir.path().string(), "-s", script});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* text :
         {"dialog ask: #dlg set name \"Kees\"", "got Kees", "Answer: OK", "status 1"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
}

TEST(VmaconDialogs, UnansweredDialogInAScriptIsCancelled) {
    TempDir dir;
    writeFile(dir / "ask.dcl", kDialog);
    std::string script = (dir / "run.scr").string();
    writeFile(script, std::string(kOpen) + "(princ (strcat \"status \" (itoa st)))\n");
    ProcessResult run = vmacon({"--support", dir.path().string(), "-s", script});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("dialog ask: no answer, cancelled"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("status 0"), std::string::npos) << run.out;
}

TEST(VmaconDialogs, TerminalShowsTheFormAndAsks) {
    TempDir dir;
    writeFile(dir / "ask.dcl", kDialog);
    std::string typed = std::string(kOpen) + "set name Anna\n"
                                             "bogus\n"
                                             "\n"
                                             "#dlg press accept\n"
                                             "(alert got)\n"
                                             "maybe\n"
                                             "ok\n";
    ProcessResult run = vmacon({"--support", dir.path().string(), "--interactive"}, typed);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* text :
         {"edit_box name \"Name:\"", "Dialog> ", "#dlg: unknown action", "= \"Anna\"", "Anna\n[OK]",
          "Button> ", "Choose one of: OK", "Answer: OK"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
}

TEST(VmaconDialogs, CommandLineShowsValuesButNotQuietReturns) {
    std::string typed = "(+ 1 2)\n(princ)\n(setq s \"x\")\n";
    ProcessResult run = vmacon({"--interactive"}, typed);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Command: 3\nCommand: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Command: Command: \"x\"\n"), std::string::npos) << run.out;
}

} // namespace
} // namespace vma::test
