// Scripts: answers split at blanks and line ends, empty lines and lone blanks
// as Enter, whole lines at prompts that take blanks, AutoLISP lines through
// the hook, unknown commands, CMDNAMES/CMDACTIVE while a command runs, and
// a script that runs out while a prompt waits.
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "input_fixture.h"

#include <vector>

namespace vma::test {
namespace {

class Scripts : public InputTest {
protected:
    void TearDown() override {
        input::CommandRegistry::get().clear();
        input::Engine::get().setLispHook({});
        InputTest::TearDown();
    }

    // A command that records each answer it reads: strings, with blanks after "T".
    std::vector<std::wstring> answers;
    void addRecorder() {
        input::CommandRegistry::get().add(L"rec", [this] {
            ACHAR buf[64];
            for (;;) {
                bool blanks = !answers.empty() && answers.back() == L"T";
                if (acedGetString(blanks, L"Answer: ", buf, 64) != RTNORM)
                    return;
                answers.push_back(buf);
                if (answers.back() == L"END")
                    return;
            }
        });
    }
};

TEST_F(Scripts, AnswersSplitAtBlanksAndLineEnds) {
    addRecorder();
    ASSERT_TRUE(input::runScript("REC a b\n\nc  d\r\nT with blanks\nEND\n").ok());
    const std::vector<std::wstring> expected = {L"a", L"b",           L"",   L"c", L"", L"d",
                                                L"T", L"with blanks", L"END"};
    EXPECT_EQ(answers, expected);
}

TEST_F(Scripts, UnknownCommandsAreReportedAndTheScriptGoesOn) {
    addRecorder();
    ASSERT_TRUE(input::runScript("; comment\nFOO\n_rec END\n").ok());
    EXPECT_NE(transcript().find(L"Unknown command \"FOO\".  Press F1 for help.\n"),
              std::wstring::npos)
        << transcript();
    EXPECT_EQ(answers, std::vector<std::wstring>{L"END"});
}

TEST_F(Scripts, RunningOutWhileAPromptWaitsCancels) {
    int status = 0;
    input::CommandRegistry::get().add(L"ask", [&] {
        int v;
        status = acedGetInt(L"Number: ", &v);
    });
    ASSERT_TRUE(input::runScript("ASK").ok());
    EXPECT_EQ(status, RTCAN);
}

TEST_F(Scripts, CommandVariablesWhileACommandRuns) {
    std::wstring names;
    int active = 0;
    input::CommandRegistry::get().add(L"Probe", [&] {
        resbuf rb;
        acedGetVar(L"CMDNAMES", &rb);
        names = rb.resval.rstring;
        free(rb.resval.rstring);
        acedGetVar(L"CMDACTIVE", &rb);
        active = rb.resval.rint;
    });
    ASSERT_TRUE(input::runScript("probe\n").ok());
    EXPECT_EQ(names, L"PROBE");
    EXPECT_EQ(active, 5);
    resbuf rb;
    acedGetVar(L"CMDACTIVE", &rb);
    EXPECT_EQ(rb.resval.rint, 0);
}

TEST_F(Scripts, LispGoesToTheHookAndAnswersWaitingPrompts) {
    std::vector<std::wstring> evaluated;
    input::Engine::get().setLispHook([&](std::wstring_view expr) -> ErrorOr<input::LispAnswer> {
        evaluated.emplace_back(expr);
        if (expr == L"(bad)")
            return Error{"bad function"};
        return input::LispAnswer{L"7", L"7"};
    });
    int value = 0;
    input::CommandRegistry::get().add(L"ask", [&] { acedGetInt(L"Number: ", &value); });
    ASSERT_TRUE(input::runScript("(setq a \"x)\")\n(bad)\nASK (+ 3\n 4)\n").ok());
    EXPECT_EQ(value, 7);
    ASSERT_EQ(evaluated.size(), 3u);
    EXPECT_EQ(evaluated[0], L"(setq a \"x)\")");
    EXPECT_NE(transcript().find(L"; error: bad function"), std::wstring::npos);
}

TEST_F(Scripts, AnOpenExpressionFailsNamingItsLine) {
    auto ran = input::runScript("\n\n(princ\n");
    ASSERT_FALSE(ran.ok());
    EXPECT_EQ(ran.error().line, 3);
}

} // namespace
} // namespace vma::test
