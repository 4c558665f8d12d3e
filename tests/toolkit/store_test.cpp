// The drawing variable store: typed records per drawing, lookups that find
// the newest record without regard to case, stacking by appending, prefix and
// exact deletes, and a store per open drawing.
#include "toolkit/dv_store.h"
#include "toolkit_fixture.h"

namespace vma::test {
namespace {

using Store = ToolkitTest;

TEST_F(Store, CurrentNodeIsTheSameForOneDrawing) {
    EXPECT_EQ(dv_store_current(), dv_store_current());
}

TEST_F(Store, SetWithoutCreateFailsWhenAbsent) {
    DvDrawingNode* node = dv_store_current();
    EXPECT_EQ(dv_store_set_int(node, L"VmaTeller", 3, 0), -1);
    int value = 99;
    EXPECT_EQ(dv_store_get_int(node, L"VmaTeller", value), -1);
    EXPECT_EQ(value, 99);
    EXPECT_EQ(dv_store_set_int(node, L"VmaTeller", 3, 1), 0);
    EXPECT_EQ(dv_store_set_int(node, L"VmaTeller", 4, 0), 0);
    EXPECT_EQ(dv_store_get_int(node, L"vmateller", value), 0);
    EXPECT_EQ(value, 4);
}

TEST_F(Store, EachTypeKeepsItsOwnRecord) {
    DvDrawingNode* node = dv_store_current();
    int marker = 0;
    ads_name name{12, 34};
    dv_store_set_int(node, L"VmaWaarde", 5, 1);
    dv_store_set_real(node, L"VmaWaarde", 2.5, 1);
    dv_store_set_string(node, L"VmaWaarde", L"tekst", 1);
    dv_store_set_pointer(node, L"VmaWaarde", &marker, 1);
    dv_store_set_ename(node, L"VmaWaarde", name, 1);
    int i = 0;
    double r = 0;
    std::wstring s;
    ads_name e{};
    EXPECT_EQ(dv_store_get_int(node, L"VmaWaarde", i), 0);
    EXPECT_EQ(dv_store_get_real(node, L"VmaWaarde", r), 0);
    EXPECT_EQ(dv_store_get_string(node, L"VmaWaarde", s), 0);
    EXPECT_EQ(dv_store_get_ename(node, L"VmaWaarde", e), 0);
    EXPECT_EQ(i, 5);
    EXPECT_EQ(r, 2.5);
    EXPECT_EQ(s, L"tekst");
    EXPECT_EQ(e[0], 12);
    EXPECT_EQ(e[1], 34);
    EXPECT_EQ(dv_store_get_pointer(node, L"VMAWAARDE"), &marker);
}

TEST_F(Store, AppendedRecordShadowsAndDeleteUnstacks) {
    DvDrawingNode* node = dv_store_current();
    dv_store_add_string(node, L"DvArxSaveLaagNaam", L"EEN");
    dv_store_add_string(node, L"DvArxSaveLaagNaam", L"TWEE");
    std::wstring layer;
    dv_store_get_string(node, L"DvArxSaveLaagNaam", layer);
    EXPECT_EQ(layer, L"TWEE");
    EXPECT_EQ(dv_store_delete(node, L"DvArxSaveLaagNaam", RTSTR, 1), 0);
    dv_store_get_string(node, L"DvArxSaveLaagNaam", layer);
    EXPECT_EQ(layer, L"EEN");
}

TEST_F(Store, PrefixDeleteRemovesTheNewestMatch) {
    DvDrawingNode* node = dv_store_current();
    dv_store_add_int(node, L"DvArxEerste", 1);
    dv_store_add_int(node, L"VmaTussen", 2);
    dv_store_add_int(node, L"DvArxTweede", 3);
    EXPECT_EQ(dv_store_delete(node, L"dvarx", 0, 0), 0);
    int value = 0;
    EXPECT_EQ(dv_store_get_int(node, L"DvArxTweede", value), -1);
    EXPECT_EQ(dv_store_get_int(node, L"DvArxEerste", value), 0);
    EXPECT_EQ(dv_store_delete(node, L"DvArx", 0, 1), 1);
    dv_store_delete_all(node, L"DvArx", 0, 0);
    EXPECT_EQ(dv_store_get_int(node, L"DvArxEerste", value), -1);
    EXPECT_EQ(dv_store_get_int(node, L"VmaTussen", value), 0);
    dv_store_delete_all(node, nullptr, 0, 0);
    EXPECT_EQ(dv_store_delete(node, L"VmaTussen", 0, 1), -1);
}

TEST_F(Store, LongNamesAreKeptTo80Characters) {
    DvDrawingNode* node = dv_store_current();
    const std::wstring longName(100, L'a');
    dv_store_set_int(node, longName.c_str(), 7, 1);
    int value = 0;
    EXPECT_EQ(dv_store_get_int(node, std::wstring(80, L'A').c_str(), value), 0);
    EXPECT_EQ(value, 7);
}

TEST_F(Store, EachDrawingHasItsOwnStoreUntilDropped) {
    auto& session = host::Session::get();
    host::Document& first = session.current();
    dv_store_set_int(dv_store_current(), L"VmaTeller", 1, 1);
    session.open(nullptr);
    int value = 0;
    EXPECT_EQ(dv_store_get_int(dv_store_current(), L"VmaTeller", value), -1);
    dv_store_set_int(dv_store_current(), L"VmaTeller", 2, 1);
    session.makeCurrent(first);
    EXPECT_EQ(dv_store_get_int(dv_store_current(), L"VmaTeller", value), 0);
    EXPECT_EQ(value, 1);
    dv_store_drop(0);
    EXPECT_EQ(dv_store_get_int(dv_store_current(), L"VmaTeller", value), -1);
}

} // namespace
} // namespace vma::test
