// What crosses the plug-in boundary while a module's code runs: commands
// with their function codes and CMDACTIVE bits (transparent ones inside
// another command's prompt), and LISP calls through kInvkSubrMsg with
// argument and result lists of every type.
#include "accmd.h"
#include "acedads.h"
#include "adsdlg.h"
#include "arx_fixture.h"
#include "support/test_support.h"

namespace vma::test {
namespace {

using Reports = std::vector<std::wstring>;

class CallsTest : public ArxTest {
protected:
    void SetUp() override {
        ArxTest::SetUp();
        ASSERT_TRUE(load());
    }
};

TEST_F(CallsTest, CommandsRunUnderTheirNamesAndCodes) {
    script("TAMODAL\n3,4\nTAMODAAL\n\nTESTARX.TAMODAL\n\n");
    EXPECT_EQ(reports(),
              (Reports{L"TAMODAL fcode=7 cmdactive=69 cmdnames=TAMODAL", L"TAMODAL point 3,4",
                       L"TAMODAL fcode=7 cmdactive=69 cmdnames=TAMODAAL",
                       L"TAMODAL fcode=7 cmdactive=69 cmdnames=TESTARX.TAMODAL"}));
    EXPECT_EQ(acedGetFunCode(), RTERROR);
}

TEST_F(CallsTest, TransparentCommandRunsInsideAPrompt) {
    script("TAMODAL\n'TATRANS\n5,6\n");
    EXPECT_EQ(reports(), (Reports{L"TAMODAL fcode=7 cmdactive=69 cmdnames=TAMODAL",
                                  L"TATRANS fcode=8 cmdactive=71 cmdnames=TAMODAL'TATRANS",
                                  L"TAMODAL point 5,6"}));
    size_t asked = 0;
    for (size_t at = printed.find(L"Point: "); at != std::wstring::npos;
         at = printed.find(L"Point: ", at + 1))
        ++asked;
    EXPECT_EQ(asked, 2u) << wideToUtf8(printed);
}

TEST_F(CallsTest, ModalCommandsAreNotTransparent) {
    script("TAMODAL\n'TAINSERT\n\n");
    EXPECT_EQ(reports().size(), 1u);
    EXPECT_NE(printed.find(L"Invalid point"), std::wstring::npos) << printed;
}

TEST_F(CallsTest, CommandStackRefusesAndRemoves) {
    AcEdCommandStack* stack = acedRegCmds;
    ASSERT_NE(stack, nullptr);
    auto fn = [] {};
    EXPECT_EQ(stack->addCommand(L"TESTARX", L"TAMODAL", L"TAMODAL", 0, fn), Acad::eDuplicateKey);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"TAMODAL", L"TAMODAL", 0, fn), Acad::eNotApplicable);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"ARX", L"ARX", 0, fn), Acad::eNotApplicable);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"", L"X", 0, fn), Acad::eInvalidInput);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"HAS BLANK", nullptr, 0, fn), Acad::eInvalidInput);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"NOFN", nullptr, 0, nullptr), Acad::eInvalidInput);
    AcEdCommand* cmd = stack->lookupLocalCmd(L"tamodaal");
    ASSERT_NE(cmd, nullptr);
    EXPECT_EQ(std::wstring(cmd->globalName()), L"TAMODAL");
    EXPECT_EQ(cmd->functionCode(), 7);
    EXPECT_EQ(stack->removeCmd(L"testarx", L"tamodal"), Acad::eOk);
    EXPECT_EQ(input::CommandRegistry::get().find(L"TAMODAAL"), nullptr);
    EXPECT_EQ(stack->removeCmd(L"testarx", L"tamodal"), Acad::eKeyNotFound);
    EXPECT_EQ(stack->removeGroup(L"TESTARX"), Acad::eOk);
    EXPECT_EQ(stack->removeGroup(L"TESTARX"), Acad::eKeyNotFound);
    EXPECT_EQ(input::CommandRegistry::get().find(L"TATRANS"), nullptr);
}

struct LispCase {
    const wchar_t* text;
    const wchar_t* result;
};

TEST_F(CallsTest, ArgumentsAndResultsOfEveryType) {
    const LispCase cases[] = {
        {L"(ta-echo 1 2.5 \"s\" T nil 100000)", L"(1 2.5 \"s\" T nil 100000)"},
        {L"(ta-echo '(1 (2 3)) '(4 . 5))", L"((1 (2 3)) (4 . 5))"},
        {L"(ta-echo '(1.0 2.0 3.0) '(1.0 2.0))", L"((1.0 2.0 3.0) (1.0 2.0))"},
        {L"(ta-kinds 1 1.0 \"s\" '(1.0 2.0 3.0) '(1.0 2.0) T nil)",
         L"(5003 5001 5005 5009 5002 5021 5019)"},
        {L"(ta-kinds '(1 . 2))", L"(5016 5003 5018 5003 5017)"},
        {L"(ta-ret \"int\")", L"42"},
        {L"(ta-ret \"real\")", L"2.5"},
        {L"(ta-ret \"str\")", L"\"text\""},
        {L"(ta-ret \"point\")", L"(1.5 2.5 3.5)"},
        {L"(ta-ret \"t\")", L"T"},
        {L"(ta-ret \"nil\")", L"nil"},
        {L"(ta-ret \"list\")", L"((1 \"a\" . 2.0))"},
        {L"(ta-reg)", L"\"registered\""},
        {L"(ta-code)", L"26"},
        {L"(ta-fail)", L"; error: ADS request error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lisp(c.text), c.result) << wideToUtf8(c.text);
}

TEST_F(CallsTest, FunctionsAreDefinedInEachNewDocument) {
    host::Session::get().open(nullptr);
    EXPECT_EQ(lisp(L"(ta-ret \"int\")"), L"42");
}

TEST_F(CallsTest, DialogOfAModule) {
    TempDir dir;
    writeFile(dir / "testarx.dcl",
              "testarx : dialog { label = \"Test\"; : edit_box { key = \"name\"; } ok_cancel; }\n");
    dcl::Action set;
    set.kind = dcl::Action::Kind::Set;
    set.key = "name";
    set.text = "Paal";
    dcl::Action press;
    press.key = "accept";
    dcl::Runtime::get().answers().push(set);
    dcl::Runtime::get().answers().push(press);
    script("TADIALOG\n" + (dir / "testarx.dcl").string() + "\n");
    EXPECT_EQ(reports().back(), L"TADIALOG status=1 name=Paal") << printed;
}

} // namespace
} // namespace vma::test
