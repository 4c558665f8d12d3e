// Message boxes answered from the queue or by their default button, help
// requests on the transcript, and the key state and message filters the
// driver works.
#include "aced.h"
#include "win/win_fixture.h"
#include "windows.h"

namespace vma::test {
namespace {

class MessageBoxTest : public WinTest {};

struct BoxCase {
    UINT type;
    const wchar_t* answer; // nullptr: no answer queued
    int result;
    const wchar_t* shown;
};

TEST_F(MessageBoxTest, AnswersAndDefaults) {
    const BoxCase cases[] = {
        {MB_OK, L"ok", IDOK, L"Answer: OK"},
        {MB_OK, nullptr, IDOK, L"No answer: OK (the default button)"},
        {MB_OKCANCEL, L"Cancel", IDCANCEL, L"Answer: Cancel"},
        {MB_OKCANCEL | MB_DEFBUTTON2, nullptr, IDCANCEL, L"No answer: Cancel"},
        {MB_YESNO | MB_ICONQUESTION, L"NO", IDNO, L"Answer: No"},
        {MB_YESNO, nullptr, IDYES, L"No answer: Yes"},
        {MB_YESNO | MB_DEFBUTTON2, nullptr, IDNO, L"No answer: No"},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, nullptr, IDCANCEL, L"No answer: Cancel"},
        {MB_YESNOCANCEL, L"yes", IDYES, L"Answer: Yes"},
        {MB_YESNO | MB_DEFBUTTON3, nullptr, IDYES, L"No answer: Yes"},
        {MB_YESNO | MB_DEFBUTTON2, L"Retry", IDNO, L"\"Retry\" is not a button here: No"},
        {MB_ABORTRETRYIGNORE, L"ignore", IDIGNORE, L"Answer: Ignore"},
    };
    for (const BoxCase& c : cases) {
        transcript_.clear();
        if (c.answer != nullptr)
            win::MessageBoxAnswers::get().push(c.answer);
        EXPECT_EQ(MessageBoxW(nullptr, L"Text", L"Caption", c.type), c.result) << c.shown;
        EXPECT_TRUE(said(c.shown)) << std::string(transcript_.begin(), transcript_.end());
        EXPECT_TRUE(win::MessageBoxAnswers::get().empty());
    }
}

TEST_F(MessageBoxTest, ShowsCaptionTextAndButtons) {
    win::MessageBoxAnswers::get().push(L"Yes");
    win::MessageBoxAnswers::get().push(L"No");
    EXPECT_EQ(MessageBoxW(nullptr, L"Save changes?", L"Drafting", MB_YESNOCANCEL), IDYES);
    EXPECT_TRUE(said(L"** Drafting **\nSave changes?\n[Yes] [No] [Cancel]\n"));
    EXPECT_EQ(MessageBoxW(nullptr, L"Again?", L"Drafting", MB_YESNO), IDNO) << "answers in order";
}

TEST_F(MessageBoxTest, HelpRequestsGoToTheTranscript) {
    EXPECT_EQ(
        WinHelpW(nullptr, L"C:\\Help\\App.hlp", HELP_KEY, reinterpret_cast<ULONG_PTR>(L"Beams")),
        TRUE);
    EXPECT_TRUE(said(L"Help request: C:\\Help\\App.hlp, keyword \"Beams\""));
    EXPECT_EQ(WinHelpW(nullptr, L"App.hlp", HELP_CONTEXT, 42), TRUE);
    EXPECT_TRUE(said(L"App.hlp, context 42"));
}

int seen = 0;
bool swallowF1(MSG* msg) {
    ++seen;
    return msg->message == WM_KEYDOWN && msg->wParam == VK_F1 && GetKeyState(VK_F1) < 0;
}

TEST_F(MessageBoxTest, KeyStateAndFilters) {
    EXPECT_EQ(GetKeyState(VK_F1), 0);
    win::Keyboard::get().setDown(VK_SHIFT, true);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0) << "high bit when down";

    seen = 0;
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1)) << "no filter yet";
    EXPECT_TRUE(acedRegisterFilterWinMsg(swallowF1));
    EXPECT_FALSE(acedRegisterFilterWinMsg(swallowF1));
    EXPECT_TRUE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F2));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(GetKeyState(VK_F1), 0) << "released after the message";
    EXPECT_TRUE(acedRemoveFilterWinMsg(swallowF1));
    EXPECT_FALSE(acedRemoveFilterWinMsg(swallowF1));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_EQ(seen, 2);
}

} // namespace
} // namespace vma::test
