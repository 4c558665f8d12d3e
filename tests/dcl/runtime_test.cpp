// The dialog C interface run by queued answers: callbacks and their reasons,
// the built-in accept and cancel, tile values of every kind, lists, modes,
// positions, nesting, termination and CMDACTIVE.
#include "dcl_fixture.h"
#include "host/sysvar/access.h"

#include <vector>

namespace vma::test {
namespace {

constexpr const char* kDialogs = R"DCL(
@include "parts.dcl"
test : dialog {
    label = "Test";
    : edit_box { key = "name"; label = "Name:"; edit_limit = 5; }
    : toggle { key = "flag"; value = "1"; }
    : boxed_radio_row { key = "side"; value = "left";
        : radio_button { key = "left"; }
        : radio_button { key = "right"; }
    }
    : list_box { key = "items"; list = "a\nb\nc"; multiple_select = true; }
    : popup_list { key = "kind"; list = "x\ny"; }
    : slider { key = "size"; min_value = 1; max_value = 10; }
    : image_button { key = "pic"; width = 4; height = 2; }
    : button { key = "off"; is_enabled = false; }
    : button { key = "more"; action = "(more)";
}
probe;
ok_cancel;
}
other : dialog {
    ok_only;
}
)DCL";

struct Seen {
    std::string key, value;
    int reason;
    long x, y;
    void* data;
};

std::vector<Seen> seen;
int loadedId = -1;

void record(ads_callback_packet* p) {
    wchar_t key[64];
    ads_get_attr_string(p->tile, L"key", key, 64);
    seen.push_back({wideToUtf8(key), wideToUtf8(p->value), p->reason, p->x, p->y, p->client_data});
}

void finishWith7(ads_callback_packet* p) {
    record(p);
    ads_done_dialog(p->dialog, 7);
}

class DclRuntime : public DclTest {
protected:
    void SetUp() override {
        DclTest::SetUp();
        seen.clear();
        writeFile(dir / "parts.dcl", "probe : button { key = \"probe\"; label = \"Probe\"; }");
        id = load("test.dcl", kDialogs);
        loadedId = id;
    }

    ads_hdlg open(CLIENTFUNC def = NULLCB) {
        ads_hdlg h = BAD_DIALOG;
        EXPECT_EQ(ads_new_dialog(L"test", id, def, &h), RTNORM) << transcript;
        return h;
    }

    int start(ads_hdlg h) {
        int status = -99;
        EXPECT_EQ(ads_start_dialog(h, &status), RTNORM);
        return status;
    }

    int id = -1;
};

TEST_F(DclRuntime, AcceptAndCancelEndTheDialogByThemselves) {
    answer("#dlg press accept");
    EXPECT_EQ(start(open()), DLGOK);
    answer("#dlg press cancel");
    EXPECT_EQ(start(open()), DLGCANCEL);
}

TEST_F(DclRuntime, NoAnswerCancels) {
    EXPECT_EQ(start(open()), DLGCANCEL);
    EXPECT_TRUE(said("dialog test: no answer, cancelled")) << transcript;
}

TEST_F(DclRuntime, CallbacksGetValueReasonAndClientData) {
    ads_hdlg h = open();
    int data = 0;
    for (const wchar_t* key :
         {L"name", L"flag", L"left", L"right", L"items", L"kind", L"size", L"pic", L"probe"})
        ASSERT_EQ(ads_action_tile(h, key, record), RTNORM);
    ads_client_data_tile(h, L"items", &data);
    ads_action_tile(h, L"accept", finishWith7);
    for (const char* line :
         {"#dlg set name hello", "#dlg toggle flag", "#dlg choose right", "#dlg pick items 0 2",
          "#dlg double items 1", "#dlg pick kind 1", "#dlg drag size 4", "#dlg set size 5",
          "#dlg click pic 3 30", "#dlg press probe", "#dlg press accept"})
        answer(line);
    EXPECT_EQ(start(h), 7);
    std::vector<std::tuple<std::string, std::string, int>> got;
    for (const Seen& s : seen)
        got.emplace_back(s.key, s.value, s.reason);
    std::vector<std::tuple<std::string, std::string, int>> want{
        {"name", "hello", CBR_LOST_FOCUS}, {"flag", "0", CBR_SELECT},
        {"right", "1", CBR_SELECT},        {"items", "0 2", CBR_SELECT},
        {"items", "1", CBR_SELECT},        {"items", "1", CBR_DOUBLE_CLICK},
        {"kind", "1", CBR_SELECT},         {"size", "4", CBR_DRAG},
        {"size", "5", CBR_SELECT},         {"pic", "", CBR_SELECT},
        {"probe", "", CBR_SELECT},         {"accept", "", CBR_SELECT}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(seen[3].data, &data);
    EXPECT_EQ(seen[9].x, 3);
    EXPECT_EQ(seen[9].y, 30);
}

TEST_F(DclRuntime, RefusedActionsAreReportedAndIgnored) {
    for (const char* line :
         {"#dlg press nothing", "#dlg press off", "#dlg toggle name", "#dlg pick kind 0 1",
          "#dlg pick items 3", "#dlg set size 11", "#dlg click pic 32 0", "#dlg press accept"})
        answer(line);
    EXPECT_EQ(start(open()), DLGOK);
    for (const char* why :
         {"no tile with key \"nothing\"", "tile off is disabled", "tile name is a edit_box",
          "this list takes one line", "no line 3 (the list has 3)", "outside the slider's range",
          "outside the image (0...31, 0...31)"})
        EXPECT_TRUE(said(why)) << why << "\n" << transcript;
}

TEST_F(DclRuntime, ValuesOfEveryKind) {
    ads_hdlg h = open();
    EXPECT_EQ(tileValue(h, L"flag"), "1");
    EXPECT_EQ(tileValue(h, L"side"), "left");
    EXPECT_EQ(tileValue(h, L"left"), "1");
    ads_set_tile(h, L"right", L"1");
    EXPECT_EQ(tileValue(h, L"side"), "right");
    EXPECT_EQ(tileValue(h, L"left"), "0");
    ads_set_tile(h, L"side", L"left");
    EXPECT_EQ(tileValue(h, L"right"), "0");
    ads_set_tile(h, L"name", L"abcdefgh");
    EXPECT_EQ(tileValue(h, L"name"), "abcde");
    wchar_t small[3];
    EXPECT_EQ(ads_get_tile(h, L"name", small, 3), RTNORM);
    EXPECT_EQ(std::wstring(small), L"ab");
    EXPECT_EQ(ads_get_tile(h, L"none", small, 3), RTERROR);
    wchar_t attr[32];
    EXPECT_EQ(ads_get_attr(h, L"name", L"label", attr, 32), RTNORM);
    EXPECT_EQ(std::wstring(attr), L"Name:");
    EXPECT_EQ(ads_get_attr(h, L"cancel", L"is_cancel", attr, 32), RTNORM);
    EXPECT_EQ(std::wstring(attr), L"true");
    answer("#dlg set name 123456789");
    answer("#dlg press accept");
    start(h);
    EXPECT_TRUE(said("cut to its edit limit of 5")) << transcript;
}

TEST_F(DclRuntime, ListOperations) {
    ads_hdlg h = open();
    EXPECT_EQ(ads_start_list(h, L"kind", LIST_NEW, 0), RTNORM);
    for (const wchar_t* item : {L"one", L"two", L"three"})
        ads_add_list(item);
    EXPECT_EQ(ads_end_list(), RTNORM);
    EXPECT_EQ(ads_start_list(h, L"kind", LIST_CHANGE, 1), RTNORM);
    ads_add_list(L"TWO");
    ads_end_list();
    EXPECT_EQ(ads_start_list(h, L"kind", LIST_APPEND, 0), RTNORM);
    ads_add_list(L"four");
    ads_end_list();
    auto* tile = dcl::Runtime::get().dialogs().back()->find("kind");
    EXPECT_EQ(tile->list, (std::vector<std::string>{"one", "TWO", "three", "four"}));
    EXPECT_EQ(ads_start_list(h, L"kind", LIST_CHANGE, 4), RTERROR);
    EXPECT_EQ(ads_start_list(h, L"name", LIST_NEW, 0), RTERROR);
    EXPECT_EQ(ads_add_list(L"x"), RTERROR);
    EXPECT_EQ(ads_end_list(), RTERROR);
    answer("#dlg pick kind 3");
    answer("#dlg press accept");
    start(h);
}

TEST_F(DclRuntime, ModesEnableAndDisable) {
    ads_hdlg h = open();
    ads_mode_tile(h, L"off", MODE_ENABLE);
    ads_mode_tile(h, L"probe", MODE_DISABLE);
    EXPECT_EQ(ads_mode_tile(h, L"probe", 9), RTERROR);
    ads_action_tile(h, L"off", finishWith7);
    answer("#dlg press probe");
    answer("#dlg press off");
    EXPECT_EQ(start(h), 7);
    EXPECT_TRUE(said("tile probe is disabled")) << transcript;
}

TEST_F(DclRuntime, DefaultCallbackAndDclActions) {
    std::vector<std::string> lisp;
    dcl::Runtime::get().setLispAction(
        [&](const std::string& expr, ads_callback_packet&) { lisp.push_back(expr); });
    answer("#dlg press more");
    answer("#dlg press probe");
    EXPECT_EQ(start(open(finishWith7)), 7);
    EXPECT_EQ(lisp, std::vector<std::string>{"(more)"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, "probe");
}

TEST_F(DclRuntime, PositionsAreRemembered) {
    ads_hdlg h = BAD_DIALOG;
    ASSERT_EQ(ads_new_positioned_dialog(L"test", id, NULLCB, 40, 50, &h), RTNORM);
    answer("#dlg move 60 70");
    answer("#dlg press probe");
    ads_action_tile(h, L"probe", [](ads_callback_packet* p) {
        int px = 0, py = 0;
        ads_done_positioned_dialog(p->dialog, 3, &px, &py);
        seen.push_back({"", std::to_string(px) + "," + std::to_string(py), 0, 0, 0, nullptr});
    });
    EXPECT_EQ(start(h), 3);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].value, "60,70");
    answer("#dlg press cancel");
    start(open());
    EXPECT_TRUE(said("dialog test: opened at 60,70")) << transcript;
    ASSERT_EQ(ads_new_positioned_dialog(L"test", id, NULLCB, -1, -1, &h), RTNORM);
    start(h);
    EXPECT_TRUE(said("opened at 200,150")) << transcript;
}

TEST_F(DclRuntime, NestedDialogsAndTermination) {
    ads_hdlg outer = open();
    ads_action_tile(outer, L"probe", [](ads_callback_packet*) {
        ads_hdlg inner = BAD_DIALOG;
        ads_new_dialog(L"other", loadedId, NULLCB, &inner);
        ads_action_tile(inner, L"accept", [](ads_callback_packet*) { ads_term_dialog(); });
        int status = 0;
        ads_start_dialog(inner, &status);
        seen.push_back({"inner", std::to_string(status), 0, 0, 0, nullptr});
    });
    answer("#dlg press probe");
    answer("#dlg press accept");
    EXPECT_EQ(start(outer), DLGALLDONE);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].value, "-1");
    EXPECT_EQ(ads_start_dialog(outer, nullptr), RTERROR);
}

TEST_F(DclRuntime, CmdactiveHasTheDialogBitWhileRunning) {
    ads_hdlg h = open();
    ads_action_tile(h, L"probe", [](ads_callback_packet* p) {
        auto v = host::getSysvar(host::Session::get(), "CMDACTIVE");
        seen.push_back({"", std::to_string(v->integer), 0, 0, 0, nullptr});
        ads_done_dialog(p->dialog, 1);
    });
    answer("#dlg press probe");
    start(h);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].value, "8");
    EXPECT_EQ(host::getSysvar(host::Session::get(), "CMDACTIVE")->integer, 0);
}

TEST_F(DclRuntime, LoadAndNewFailures) {
    int bad = 0;
    EXPECT_EQ(ads_load_dialog(L"absent", &bad), RTERROR);
    EXPECT_LT(bad, 0);
    writeFile(dir / "broken.dcl", "d : dialog {\n\n x = ; }");
    EXPECT_EQ(ads_load_dialog(L"broken.dcl", &bad), RTERROR);
    EXPECT_TRUE(said("broken.dcl:3: expected a value for 'x'")) << transcript;
    ads_hdlg h = &bad;
    EXPECT_EQ(ads_new_dialog(L"nothing", id, NULLCB, &h), RTERROR);
    EXPECT_EQ(h, BAD_DIALOG);
    EXPECT_EQ(ads_new_dialog(L"probe", id, NULLCB, &h), RTERROR);
    EXPECT_EQ(ads_unload_dialog(id), RTNORM);
    EXPECT_EQ(ads_unload_dialog(id), RTERROR);
    EXPECT_EQ(ads_new_dialog(L"test", id, NULLCB, &h), RTERROR);
}

TEST_F(DclRuntime, TextForm) {
    answer("#dlg show");
    start(open());
    for (const char* line :
         {"dialog \"Test\"", "  edit_box name \"Name:\" = \"\"", "    radio_button right = \"0\"",
          "  list_box items = \"\" [0: a | 1: b | 2: c]", "  button off = \"\" (disabled)",
          "      button accept \"  OK  \" = \"\""})
        EXPECT_TRUE(said(std::string(line) + "\n")) << line << "\n" << transcript;
}

} // namespace
} // namespace vma::test
