// The AutoLISP dialog functions: loading a DCL file, preparing tiles between
// new_dialog and start_dialog, actions as AutoLISP text with $key and $value,
// done_dialog's status, and a failing action that leaves the caller's local
// variables alone.
#include "host/dcl/answers.h"
#include "host/dcl/runtime.h"
#include "lisp_fixture.h"
#include "support/test_support.h"

namespace vma::test {
namespace {

constexpr const char* kDialog = R"DCL(
ask : dialog {
    : edit_box { key = "name"; }
    : toggle { key = "flag"; action = "(setq seen (list $key $value $reason))"; }
    ok_cancel;
}
)DCL";

class LispDialogs : public LispTest {
protected:
    void SetUp() override {
        LispTest::SetUp();
        dcl::Runtime::get().reset();
        dcl::Runtime::get().setLispAction(lisp::dialogAction);
        writeFile(dir / "ask.dcl", kDialog);
        host::Session::get().supportPath().push_back(dir.path());
        run(L"(setq id (load_dialog \"ask\"))");
    }
    void TearDown() override {
        dcl::Runtime::get().reset();
        LispTest::TearDown();
    }
    void answer(const char* line) {
        auto action = dcl::parseDirective(line);
        ASSERT_TRUE(action.ok()) << action.error().message;
        dcl::Runtime::get().answers().push(action.value());
    }

    TempDir dir;
};

TEST_F(LispDialogs, TilesSetBeforeAndReadInActions) {
    answer("#dlg toggle flag");
    answer("#dlg press accept");
    check({
        {L"(> id 0)", L"T"},
        {L"(new_dialog \"ask\" id)", L"T"},
        {L"(set_tile \"name\" \"Bob\")", L"\"Bob\""},
        {L"(action_tile \"accept\" \"(setq got (get_tile \\\"name\\\")) (done_dialog 5)\")", L"T"},
        {L"(start_dialog)", L"5"},
        {L"got", L"\"Bob\""},
        {L"seen", L"(\"flag\" \"1\" 1)"},
        {L"(new_dialog \"nosuch\" id)", L"nil"},
        {L"(start_dialog)", L"; error: start_dialog: no dialog made by new_dialog"},
        {L"(load_dialog \"missing\")", L"-1"},
        {L"(unload_dialog id)", L"nil"},
    });
}

TEST_F(LispDialogs, UnansweredDialogEndsCancelled) {
    check({
        {L"(new_dialog \"ask\" id)", L"T"},
        {L"(start_dialog)", L"0"},
    });
}

TEST_F(LispDialogs, FailingActionKeepsTheCallersLocals) {
    answer("#dlg toggle flag");
    answer("#dlg press accept");
    run(L"(new_dialog \"ask\" id)");
    run(L"(action_tile \"flag\" \"(car 1)\")");
    check({
        {L"(defun f (/ local) (setq local 7) (start_dialog) local) (f)", L"7"},
    });
}

} // namespace
} // namespace vma::test
