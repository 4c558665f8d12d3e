// The table-entry picker answered through the host's dialog actions: the list
// holds the table's names without "*" entries, the given name is selected at
// first, OK hands back the choice and Cancel keeps the caller's name.
#include "acdbads.h"
#include "acutads.h"
#include "host/dcl/dialog.h"
#include "toolkit/dv_tiles.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

class TableSelect : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        loadModuleDialogs();
        for (const wchar_t* name : {L"MUUR", L"PAAL", L"AS"})
            makeLayer(name);
    }
};

TEST_F(TableSelect, PickedEntryIsHandedBack) {
    answerDialog("#dlg show");
    answerDialog("#dlg pick list_type 2");
    answerDialog("#dlg press accept");
    std::wstring name = L"muur";
    EXPECT_EQ(dv_table_select(L"LAYER", L"Kies een laag", name), 0);
    EXPECT_EQ(name, L"PAAL");
    EXPECT_TRUE(said(L"Kies een laag")) << wideToUtf8(transcript);
}

TEST_F(TableSelect, GivenNameIsSelectedAtFirst) {
    answerDialog("#dlg press accept");
    std::wstring name = L"as";
    EXPECT_EQ(dv_table_select(L"LAYER", L"", name), 0);
    EXPECT_EQ(name, L"AS");
}

TEST_F(TableSelect, CancelKeepsTheName) {
    answerDialog("#dlg pick list_type 1");
    answerDialog("#dlg press cancel");
    std::wstring name = L"PAAL";
    EXPECT_EQ(dv_table_select(L"LAYER", L"", name), 1);
    EXPECT_EQ(name, L"PAAL");
}

TEST_F(TableSelect, UnknownTableLeavesTheListDisabled) {
    answerDialog("#dlg press accept");
    std::wstring name = L"X";
    EXPECT_EQ(dv_table_select(L"GEENTABEL", L"", name), 0);
    EXPECT_EQ(name, L"X");
}

TEST_F(TableSelect, WithoutTheDialogFile) {
    dv_set_dcl_id(-1);
    std::wstring name;
    EXPECT_EQ(dv_table_select(L"LAYER", L"", name), DV_FAILED);
}

} // namespace
} // namespace vma::test
