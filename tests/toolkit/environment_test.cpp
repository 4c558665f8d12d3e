// Save/restore pairs: the saved-system-variable list (interleaved pushes of
// several variables), the layer, object-snap and angle-unit saves, and the
// typed access to system and AutoLISP variables they are built on.
#include "acdbads.h"
#include "acutads.h"
#include "toolkit/dv_environment.h"
#include "toolkit/dv_vars.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

class Environment : public ToolkitTest {
protected:
    int intVar(const wchar_t* name) {
        int value = -999;
        EXPECT_EQ(dv_get_sysvar_int(name, value), 0) << wideToUtf8(name);
        return value;
    }
    std::wstring layer() {
        std::wstring name;
        dv_get_sysvar_string(L"CLAYER", name);
        return name;
    }
};

TEST_F(Environment, PopRestoresTheNewestSaveOfItsOwnVariable) {
    dv_set_sysvar(L"CMDECHO", RTSHORT, DvValue::ofInt(1));
    dv_set_sysvar(L"BLIPMODE", RTSHORT, DvValue::ofInt(1));
    EXPECT_EQ(dv_push_sysvar_int(L"CMDECHO", 0), 0);
    EXPECT_EQ(dv_push_sysvar_int(L"BLIPMODE", 0), 0);
    dv_set_sysvar(L"CMDECHO", RTSHORT, DvValue::ofInt(1));
    EXPECT_EQ(dv_push_sysvar_int(L"CMDECHO", 0), 0);
    dv_set_sysvar(L"CMDECHO", RTSHORT, DvValue::ofInt(0));
    dv_pop_sysvar(L"cmdecho");
    EXPECT_EQ(intVar(L"CMDECHO"), 1);
    EXPECT_EQ(intVar(L"BLIPMODE"), 0);
    dv_pop_sysvar(L"BLIPMODE");
    EXPECT_EQ(intVar(L"BLIPMODE"), 1);
    EXPECT_NE(dv_store_get_pointer(dv_store_current(), L"dvarxsysvar"), nullptr);
}

TEST_F(Environment, RefusedPushStillSavesForThePop) {
    const int before = intVar(L"AUNITS");
    EXPECT_EQ(dv_push_sysvar_int(L"AUNITS", 77), DV_FAILED);
    EXPECT_EQ(intVar(L"AUNITS"), before);
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(2));
    dv_pop_sysvar(L"AUNITS");
    EXPECT_EQ(intVar(L"AUNITS"), before);
}

TEST_F(Environment, RealPushAndPopWithoutSaveDoNothingWrong) {
    double scale = 0;
    dv_get_sysvar_real(L"DIMSCALE", scale);
    EXPECT_EQ(dv_push_sysvar_real(L"DIMSCALE", 50.0), 0);
    double now = 0;
    dv_get_sysvar_real(L"DIMSCALE", now);
    EXPECT_EQ(now, 50.0);
    dv_pop_sysvar(L"DIMSCALE");
    dv_pop_sysvar(L"DIMSCALE");
    dv_get_sysvar_real(L"DIMSCALE", now);
    EXPECT_EQ(now, scale);
}

TEST_F(Environment, OsnapSavesStack) {
    dv_set_sysvar(L"OSMODE", RTSHORT, DvValue::ofInt(33));
    dv_save_osnap();
    EXPECT_EQ(intVar(L"OSMODE"), 0);
    dv_save_osnap();
    dv_restore_osnap();
    EXPECT_EQ(intVar(L"OSMODE"), 0);
    dv_restore_osnap();
    EXPECT_EQ(intVar(L"OSMODE"), 33);
    dv_set_sysvar(L"OSMODE", RTSHORT, DvValue::ofInt(5));
    dv_restore_osnap();
    EXPECT_EQ(intVar(L"OSMODE"), 5);
}

TEST_F(Environment, AngleUnitsSaveIsOneLevel) {
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(1));
    dv_save_aunits();
    EXPECT_EQ(intVar(L"AUNITS"), 3);
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(2));
    dv_save_aunits();
    dv_restore_aunits();
    EXPECT_EQ(intVar(L"AUNITS"), 1);
    int old = 0;
    EXPECT_EQ(dv_aunits_radians(old), 0);
    EXPECT_EQ(old, 1);
    EXPECT_EQ(intVar(L"AUNITS"), 3);
    dv_restore_aunits();
    EXPECT_EQ(intVar(L"AUNITS"), 3);
}

TEST_F(Environment, LayerStackAndReplacement) {
    makeLayer(L"MUUR");
    makeLayer(L"PAAL");
    EXPECT_EQ(dv_replace_saved_layer(L"PAAL"), -1);
    dv_save_layer();
    dv_set_sysvar(L"CLAYER", RTSTR, DvValue::ofText(L"MUUR"));
    dv_save_layer();
    EXPECT_EQ(dv_replace_saved_layer(L"PAAL"), 0);
    dv_restore_layer();
    EXPECT_EQ(layer(), L"PAAL");
    dv_restore_layer();
    EXPECT_EQ(layer(), L"0");
}

TEST_F(Environment, TypedSysvarAccess) {
    DvValue value;
    EXPECT_EQ(dv_get_sysvar(L"GEENVARIABELE", RTSHORT, value), DV_FAILED);
    EXPECT_EQ(dv_get_sysvar(L"CLAYER", RTREAL, value), DV_FAILED);
    EXPECT_EQ(dv_get_sysvar(L"CLAYER", RTENAME + 100, value), DV_FAILED);
    EXPECT_EQ(dv_get_sysvar(L"OSMODE", RTLONG, value), 0);
    EXPECT_EQ(dv_set_sysvar(L"CLAYER", RTENAME, value), DV_FAILED);
    EXPECT_EQ(dv_get_sysvar(L"DIMSCALE", RTREAL, value), 0);
}

TEST_F(Environment, LispVariables) {
    DvValue value;
    EXPECT_EQ(dv_get_lisp_var(L"#SCL", RTREAL, value), 1);
    EXPECT_EQ(dv_set_lisp_var(L"#SCL", RTREAL, DvValue::ofReal(50)), 0);
    EXPECT_EQ(dv_get_lisp_var(L"#SCL", RTREAL, value), 0);
    EXPECT_EQ(value.real, 50);
    EXPECT_EQ(dv_get_lisp_var(L"#SCL", RTSTR, value), -1);
    EXPECT_EQ(dv_set_lisp_var(L"#BLK", RTSTR, DvValue::ofText(L"C:\\BLOKKEN\\")), 0);
    EXPECT_EQ(dv_get_lisp_var(L"#BLK", RTSTR, value), 0);
    EXPECT_EQ(value.text, L"C:\\BLOKKEN\\");
    EXPECT_EQ(dv_set_lisp_var(L"#BLK", RTNIL, value), 0);
    EXPECT_EQ(dv_get_lisp_var(L"#BLK", RTSTR, value), 1);
    EXPECT_EQ(dv_set_lisp_var(L"#BLK", RTENAME, value), DV_FAILED);
    EXPECT_TRUE(said(L"Variable type 5006 not implemented yet!\n"));
}

TEST_F(Environment, ValueFromListItems) {
    resbuf* list = acutBuildList(8, L"MUUR", 70, 3, RTREAL, 2.5, 0);
    DvValue value;
    EXPECT_EQ(dv_value_from_list(list, RTSTR, value), 0);
    EXPECT_EQ(value.text, L"MUUR");
    EXPECT_EQ(dv_value_from_list(list->rbnext, RTSHORT, value), 1);
    EXPECT_EQ(dv_value_from_list(list->rbnext->rbnext, RTREAL, value), 0);
    EXPECT_EQ(value.real, 2.5);
    EXPECT_EQ(dv_value_from_list(nullptr, RTREAL, value), -1);
    EXPECT_EQ(dv_value_from_list(list, RTVOID, value), DV_FAILED);
    EXPECT_TRUE(said(L"Sorry, variable-type 5014 not implemented yet!\n"));
    acutRelRb(list);
}

} // namespace
} // namespace vma::test
