// The progress bar drawn into the never-started dialog of the module's DCL
// file, and the command-line spinner, with their state in the drawing
// variable store.
#include "host/dcl/dialog.h"
#include "toolkit/dv_progress.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

class Progress : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        loadModuleDialogs();
    }
    dcl::Tile* bar() {
        auto& dialogs = dcl::Runtime::get().dialogs();
        return dialogs.empty() ? nullptr : dialogs.back()->find("percentage_bar");
    }
    // The columns drawn in the bar colour.
    std::vector<int> columns() {
        std::vector<int> xs;
        for (const auto& op : bar()->image) {
            if (op.kind == dcl::ImageOp::Kind::Vector && op.color == 1)
                xs.push_back(op.x1);
        }
        return xs;
    }
    int storedColumn() {
        int column = -1;
        dv_store_get_int(dv_store_current(), L"DvArxPercentageCur", column);
        return column;
    }
};

TEST_F(Progress, OpenFillsTheBarAndStoresTheState) {
    ASSERT_EQ(dv_percentage_open(80, L"Palen", nullptr), 0);
    ASSERT_NE(bar(), nullptr);
    ASSERT_FALSE(bar()->image.empty());
    EXPECT_EQ(bar()->image.front().kind, dcl::ImageOp::Kind::Fill);
    EXPECT_EQ(bar()->image.front().color, 5);
    double total = 0;
    EXPECT_EQ(dv_store_get_real(dv_store_current(), L"DvArxPercentageTot", total), 0);
    EXPECT_EQ(total, 80);
    EXPECT_EQ(storedColumn(), 0);
}

TEST_F(Progress, HalfwayDrawsColumnsZeroTo99) {
    ASSERT_EQ(dv_percentage_open(80), 0);
    dv_percentage_update(40);
    const auto xs = columns();
    ASSERT_EQ(xs.size(), 100u);
    EXPECT_EQ(xs.front(), 0);
    EXPECT_EQ(xs.back(), 99);
    dv_percentage_update(40);
    EXPECT_EQ(columns().size(), 100u);
    dv_percentage_update(60);
    EXPECT_EQ(columns().size(), 150u);
    EXPECT_EQ(storedColumn(), 150);
}

TEST_F(Progress, CloseCompletesTheBarAndForgetsTheState) {
    ASSERT_EQ(dv_percentage_open(10), 0);
    dv_percentage_update(5);
    dv_percentage_close();
    EXPECT_EQ(columns().size(), 200u);
    EXPECT_EQ(storedColumn(), -1);
    EXPECT_TRUE(dcl::Runtime::get().dialogs().back()->done);
}

TEST_F(Progress, OutOfRangeAndZeroTotalsBreakNothing) {
    ASSERT_EQ(dv_percentage_open(0), 0);
    dv_percentage_update(5);
    EXPECT_TRUE(columns().empty());
    dv_percentage_attach(BAD_DIALOG, 10);
    dv_percentage_update(1e9);
    EXPECT_EQ(columns().size(), 200u);
    dv_percentage_update(-5);
    EXPECT_EQ(storedColumn(), 0);
}

TEST_F(Progress, WithoutTheDialogFileTheBarIsNotCreated) {
    dv_set_dcl_id(-1);
    EXPECT_EQ(dv_percentage_open(10), 1);
}

TEST_F(Progress, SpinnerTurnsEveryIntervalAndIsErased) {
    dv_status_start(3);
    for (long i = 0; i < 10; ++i)
        dv_status_tick(i);
    EXPECT_EQ(transcript, L"\b|\b/\b-\b\\");
    dv_status_end();
    EXPECT_EQ(transcript.substr(transcript.size() - 2), L"\b ");
}

TEST_F(Progress, SpinnerWithoutStartOrIntervalTurnsAtEveryTick) {
    dv_status_tick(7);
    dv_status_start(0);
    dv_status_tick(3);
    dv_status_tick(4);
    EXPECT_EQ(transcript, L"\b|\b|\b/");
}

} // namespace
} // namespace vma::test
