// Checked numbers: each kind's rule for reals and integers, angles in every
// AUNITS unit, and a dialog tile read as a checked number (stray characters
// counted, the output written only when the value is accepted).
#include "acedads.h"
#include "adsdlg.h"
#include "support/test_support.h"
#include "toolkit/dv_check.h"
#include "toolkit/dv_tiles.h"
#include "toolkit_fixture.h"

#include <cstdint>
#include <fstream>

namespace vma::test {
namespace {

class Check : public ToolkitTest {
protected:
    static void setAngleUnits(int units) {
        resbuf rb{};
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(units);
        ASSERT_EQ(acedSetVar(L"AUNITS", &rb), RTNORM);
    }
    static int real(int kind, double v) { return dv_check_value(5001, kind, &v); }
    static int whole(int kind, int32_t v) { return dv_check_value(5010, kind, &v); }
};

TEST_F(Check, EachKindForRealsAndIntegers) {
    struct Case {
        int kind;
        double value;
        int realCode, integerCode;
    };
    const Case cases[] = {
        {0, 0, 1, 1},   {0, 0.5, 0, 1}, {0, 2, 0, 0},     {1, -1, 2, 2}, {1, 0, 0, 0},
        {2, -7, 0, 0},  {3, 0.5, 3, 0}, {3, 255.5, 3, 0}, {3, 1, 0, 0},  {3, 255, 0, 0},
        {3, 256, 3, 3}, {5, 0, 5, 5},   {5, 1e-7, 5, 5},  {5, 1, 0, 0},  {9, 1, 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(real(c.kind, c.value), c.realCode) << c.kind << " " << c.value;
        EXPECT_EQ(whole(c.kind, static_cast<int32_t>(c.value)), c.integerCode)
            << c.kind << " " << c.value;
    }
    int16_t s = 0;
    EXPECT_EQ(dv_check_value(5003, 0, &s), 1);
    EXPECT_EQ(dv_check_value(5005, 0, &s), -1);
}

TEST_F(Check, AnglesStayWithinOneTurnOfTheUnit) {
    setAngleUnits(0);
    EXPECT_EQ(real(4, 359.9), 0);
    EXPECT_EQ(real(4, 360), 4);
    EXPECT_EQ(real(4, -90), 0);
    EXPECT_EQ(whole(4, 359), 0);
    EXPECT_EQ(whole(4, 360), 4);
    setAngleUnits(2);
    EXPECT_EQ(real(4, 399), 0);
    EXPECT_EQ(real(4, 400), 4);
    setAngleUnits(3);
    EXPECT_EQ(real(4, 6.28), 0);
    EXPECT_EQ(real(4, 6.29), 4);
    setAngleUnits(1); // no full turn to check against: accepted
    EXPECT_EQ(real(4, 1000), 0);
}

TEST_F(Check, TileTextIsCheckedBeforeItIsHandedBack) {
    TempDir dir;
    const auto file = dir.path() / "check.dcl";
    std::ofstream(file) << "check : dialog { : edit_box { key = \"v\"; } ok_only; }\n";
    int id = -1;
    ASSERT_EQ(ads_load_dialog(file.wstring().c_str(), &id), RTNORM);
    ads_hdlg dialog = nullptr;
    ASSERT_EQ(ads_new_dialog(L"check", id, NULLCB, &dialog), RTNORM);

    double value = -1;
    ads_set_tile(dialog, L"v", L"12.5");
    EXPECT_EQ(dv_get_tile_checked(dialog, L"v", 5001, 0, &value), 0);
    EXPECT_EQ(value, 12.5);
    ads_set_tile(dialog, L"v", L"1,5a");
    EXPECT_EQ(dv_get_tile_checked(dialog, L"v", 5001, 0, &value), -2);
    ads_set_tile(dialog, L"v", L"-3");
    EXPECT_EQ(dv_get_tile_checked(dialog, L"v", 5001, 0, &value), 1);
    EXPECT_EQ(value, 12.5); // refused values leave the output alone
    int16_t colour = 0;
    ads_set_tile(dialog, L"v", L"300");
    EXPECT_EQ(dv_get_tile_checked(dialog, L"v", 5003, 3, &colour), 3);
    EXPECT_EQ(dv_get_tile_checked(dialog, L"v", 5005, 3, &colour), 1);

    ads_term_dialog();
    ads_unload_dialog(id);
}

} // namespace
} // namespace vma::test
