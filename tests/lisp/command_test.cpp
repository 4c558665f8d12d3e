// The command function: each kind of argument (strings, numbers, point
// lists, entity names, selection sets, PAUSE), Enter as "", commands that
// did not run to their end cancelling the program, vl-cmdf's T and nil, and
// C: functions using command when a script runs them.
#include "host/cmd/builtins.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "input_fixture.h"

namespace vma::test {
namespace {

class LispCommand : public LispInputTest {
protected:
    void SetUp() override {
        LispInputTest::SetUp();
        cmd::installBuiltins();
    }
    void TearDown() override {
        input::CommandRegistry::get().clear();
        input::CommandRegistry::get().setFinder({});
        input::Engine::get().setLispHook({});
        LispInputTest::TearDown();
    }
};

TEST_F(LispCommand, ArgumentKinds) {
    checkInput({
        {L"(command \"_.LINE\" '(0 0) (list 10.0 0.0 0.0) \"\")", {}, L"nil", nullptr},
        {L"(cdr (assoc 11 (entget (entlast))))", {}, L"(10.0 0.0 0.0)", nullptr},
        {L"(command \"_.LINE\" \"0,0\" \"0,5\" \"\") (cdr (assoc 11 (entget (entlast))))",
         {},
         L"(0.0 5.0 0.0)",
         nullptr},
        {L"(command \"_.ROTATE\" (entlast) \"\" '(0 0) 90) "
         L"(equal (cdr (assoc 11 (entget (entlast)))) '(-5.0 0.0 0.0) 1e-9)",
         {},
         L"T",
         nullptr},
        {L"(command \"_.SCALE\" (entlast) \"\" '(0 0) 0.5) "
         L"(equal (cdr (assoc 11 (entget (entlast)))) '(-2.5 0.0 0.0) 1e-9)",
         {},
         L"T",
         nullptr},
        {L"(command \"_.MOVE\" (ssget \"X\") \"\" '(0 0) '(1 1)) "
         L"(cdr (assoc 10 (entget (entlast))))",
         {},
         L"(1.0 1.0 0.0)",
         nullptr},
        {L"(setq e (entlast)) (command \"_.ERASE\" e \"\") (entget e)", {}, L"nil", nullptr},
    });
}

TEST_F(LispCommand, PauseReadsFromTheUser) {
    checkInput({
        {L"(command \"_.LINE\" '(0 0) pause \"\") (cdr (assoc 11 (entget (entlast))))",
         {typed(L"3,4")},
         L"(3.0 4.0 0.0)",
         nullptr},
        {L"(command \"_.LINE\" '(0 0) pause \"\")",
         {esc()},
         L"; error: Function cancelled",
         nullptr},
    });
}

TEST_F(LispCommand, EndsAndFailures) {
    checkInput({
        {L"(command)", {}, L"nil", nullptr},
        {L"(command nil)", {}, L"nil", nullptr},
        {L"(command \"NOSUCH\")", {}, L"nil", L"Unknown command \"NOSUCH\""},
        {L"(command \"_.LINE\" '(0 0))", {}, L"; error: Function cancelled", nullptr},
        {L"(command \"_.LINE\" 'x)",
         {},
         L"; error: bad argument type: command argument: X",
         nullptr},
        {L"(command \"_.LINE\" '(1 \"a\"))",
         {},
         L"; error: bad argument type: command argument: (1 \"a\")",
         nullptr},
        {L"(vl-cmdf \"_.LINE\" '(0 0) '(1 0) \"\")", {}, L"T", nullptr},
        {L"(vl-cmdf \"_.LINE\" '(0 0))", {}, L"nil", nullptr},
        {L"(vl-cmdf \"NOSUCH\")", {}, L"nil", nullptr},
    });
}

// ssget without a mode asks "Select objects:" through the same loop.
TEST_F(LispCommand, InteractiveSelection) {
    unitPixels();
    run(L"(command \"_.LINE\" '(0 0) '(10 0) \"\") (command \"_.LINE\" '(0 5) '(10 5) \"\")");
    checkInput({
        {L"(sslength (ssget))", {picked(5, 0), typed(L"")}, L"1", L"Select objects: "},
        {L"(sslength (ssget))", {typed(L"ALL"), typed(L"")}, L"2", L"2 found"},
        {L"(ssget)", {typed(L"")}, L"nil", nullptr},
        {L"(ssget)", {esc()}, L"; error: Function cancelled", nullptr},
        {L"(sslength (ssget '((0 . \"LINE\"))))", {typed(L"ALL"), typed(L"")}, L"2", nullptr},
        {L"(command \"_.ERASE\" (ssget) \"\") (sslength (ssget \"X\"))",
         {picked(5, 5), typed(L"")},
         L"1",
         nullptr},
    });
}

TEST_F(LispCommand, CommandFunctionsUseCommandFromAScript) {
    input::Engine::get().setLispHook(
        [](std::wstring_view expression) -> ErrorOr<input::LispAnswer> {
            return input::LispAnswer{std::nullopt, lisp::evaluateText(expression)};
        });
    input::CommandRegistry::get().setFinder(lisp::findCommandFunction);
    run(L"(defun c:twolines () (command \"_.LINE\" '(0 0) '(2 0) \"\") "
        L"(command \"_.LINE\" '(0 0) pause \"\") (princ))");
    ASSERT_TRUE(input::runScript("TWOLINES 0,7\n").ok());
    EXPECT_EQ(run(L"(cdr (assoc 11 (entget (entlast))))"), L"(0.0 7.0 0.0)");
    EXPECT_EQ(run(L"(sslength (ssget \"X\"))"), L"2");
    ASSERT_TRUE(input::runScript("(command \"_.LINE\" '(0 0) '(0 9) \"\")\n").ok());
    EXPECT_EQ(run(L"(sslength (ssget \"X\"))"), L"3");
    // A program may name a C: function as a command too.
    EXPECT_EQ(run(L"(vl-cmdf \"twolines\" \"0,6\")"), L"T");
    EXPECT_EQ(run(L"(sslength (ssget \"X\"))"), L"5");
}

} // namespace
} // namespace vma::test
