// The current-command lookup (from CMDNAMES, from the function code, or the
// help number AutoLISP sets), the help context, and the F1 filter that opens
// help once per pair of F1 messages while a command of the module runs.
#include "frame/current_command.h"
#include "frame/help_filter.h"
#include "frame_fixture.h"
#include "host/lisp/bridge.h"
#include "host/win/keyboard.h"

#include <optional>

namespace vma::test {
namespace {

struct LookupCase {
    const wchar_t* cmdnames;
    std::optional<int> functionCode;
    std::optional<int> funcnr; // VMAAPPSFUNCNR
    int status;
    const wchar_t* name; // nullptr: not set
    int kind;
    int title;
};

class CurrentCommand : public FrameTest {
protected:
    void setCommandNames(const wchar_t* names) {
        setVar("CMDNAMES", host::SysvarValue::ofText(wideToUtf8(names)));
    }
    static void setFuncnr(std::optional<int> value) {
        if (value)
            dv_set_lisp_var(L"VMAAPPSFUNCNR", RTSHORT, DvValue::ofInt(*value));
        else
            dv_set_lisp_var(L"VMAAPPSFUNCNR", RTNIL, DvValue{});
    }
};

TEST_F(CurrentCommand, FindsTheRunningRow) {
    const LookupCase cases[] = {
        {L"", 8, std::nullopt, 0, L"ds", -1, 16},
        {L"VMAPAALIN", std::nullopt, std::nullopt, 0, L"vmapaalin", 0, 72},
        {L"LINE'VMABLIPM", std::nullopt, std::nullopt, 0, L"vmablipm", 0, 20},
        {L"C:VBCONNECT", std::nullopt, std::nullopt, 0, L"vbconnect", -1, 141},
        {L"C:VMA_WIJZIG_SCHAAL", std::nullopt, std::nullopt, 0, L"vma_Wijzig_Schaal", -1, 140},
        // vmatest is part of VMATEST1: row 0 counts as none.
        {L"VMATEST1", std::nullopt, std::nullopt, 1, nullptr, 0, 0},
        {L"VMATEST1", std::nullopt, 55, 0, nullptr, 0, 55},
        {L"LINE", std::nullopt, 0, 0, nullptr, 0, -7},
        {L"", std::nullopt, std::nullopt, 1, nullptr, 0, 0},
        {L"", 1000, 30, 0, nullptr, 0, 30},
    };
    for (const LookupCase& c : cases) {
        setCommandNames(c.cmdnames);
        setFuncnr(c.funcnr);
        std::optional<lisp::FunctionCodeScope> code;
        if (c.functionCode)
            code.emplace(*c.functionCode);
        std::wstring name = L"<unset>";
        int kind = -7;
        int title = -7;
        EXPECT_EQ(dv_current_command(*dv_app(), &name, &kind, &title), c.status) << c.cmdnames;
        EXPECT_EQ(name, c.name ? c.name : L"<unset>") << c.cmdnames;
        EXPECT_EQ(kind, c.name ? c.kind : -7) << c.cmdnames;
        EXPECT_EQ(title, c.title) << c.cmdnames;
    }
}

TEST_F(CurrentCommand, HelpContextIsTitlePlusThousand) {
    setCommandNames(L"VMASTRAM");
    EXPECT_EQ(dv_help_context(*dv_app()), 1037);
    dv_show_help(*dv_app());
    EXPECT_NE(transcript().find(L"Help request: VMAAPPS.HLP"), std::wstring::npos) << transcript();
    EXPECT_NE(transcript().find(L"1037"), std::wstring::npos) << transcript();
}

class HelpKey : public CurrentCommand {
protected:
    void SetUp() override {
        CurrentCommand::SetUp();
        dv_help_filter_reset();
        ASSERT_TRUE(win::Keyboard::get().addFilter(dv_help_filter));
    }
    void TearDown() override {
        win::Keyboard::get().clear();
        CurrentCommand::TearDown();
    }
    size_t helpRequests() const {
        size_t count = 0;
        for (size_t at = transcript().find(L"Help request"); at != std::wstring::npos;
             at = transcript().find(L"Help request", at + 1))
            ++count;
        return count;
    }
};

TEST_F(HelpKey, OpensHelpOncePerPair) {
    setCommandNames(L"VMAPAALIN");
    EXPECT_TRUE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_EQ(helpRequests(), 1u);
    EXPECT_NE(transcript().find(L"1072"), std::wstring::npos) << transcript();
    EXPECT_TRUE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_EQ(helpRequests(), 1u);
    EXPECT_TRUE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_EQ(helpRequests(), 2u);
}

TEST_F(HelpKey, LeavesOtherKeysAndApplicationsToTheCadProgram) {
    setCommandNames(L"VMAPAALIN");
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F2));
    dv_set_lisp_var(L"DV_CUR_APP", RTSTR, DvValue::ofText(L"ANDERS"));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
    dv_set_lisp_var(L"DV_CUR_APP", RTSTR, DvValue::ofText(L"vmaapps"));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
    dv_set_lisp_var(L"DV_CUR_APP", RTSTR, DvValue::ofText(L"VMAAPPS"));
    setCommandNames(L"LINE");
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
    EXPECT_EQ(helpRequests(), 0u);
}

} // namespace
} // namespace vma::test
