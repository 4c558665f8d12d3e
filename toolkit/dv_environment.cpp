#include "toolkit/dv_environment.h"

#include "toolkit/dv_store_node.h"
#include "toolkit/dv_vars.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr const wchar_t* kSysvarList = L"DvArxSysVar";
constexpr const wchar_t* kSavedLayer = L"DvArxSaveLaagNaam";
constexpr const wchar_t* kSavedOsnap = L"DvArxObjectSnaps";
constexpr const wchar_t* kSavedAunits = L"DvArxAunitsVal";
constexpr int kRadians = 3;

bool equalsNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(static_cast<wint_t>(x)) ==
                      std::towupper(static_cast<wint_t>(y));
           });
}

// The saved list of the current drawing, announced in the store under its
// known name.
std::vector<DvSavedSysvar>& savedSysvars() {
    DvDrawingNode* node = dv_store_current();
    dv_store_set_pointer(node, kSysvarList, &node->savedSysvars, 1);
    return node->savedSysvars;
}

int push(const wchar_t* name, int type, const DvValue& value) {
    DvSavedSysvar saved{name ? name : L"", type, 0, 0, {}};
    DvValue present;
    if (dv_get_sysvar(name, type, present) == 0) {
        saved.real = present.real;
        saved.integer = present.integer;
    }
    savedSysvars().push_back(std::move(saved));
    return dv_set_sysvar(name, type, value) == 0 ? 0 : DV_FAILED;
}

void restore(const DvSavedSysvar& saved) {
    DvValue value;
    value.real = saved.real;
    value.integer = saved.integer;
    value.text = saved.text;
    dv_set_sysvar(saved.name.c_str(), saved.type, value);
}

} // namespace

int dv_push_sysvar_int(const wchar_t* name, int value) {
    return push(name, RTSHORT, DvValue::ofInt(value));
}

int dv_push_sysvar_real(const wchar_t* name, double value) {
    return push(name, RTREAL, DvValue::ofReal(value));
}

void dv_pop_sysvar(const wchar_t* name) {
    auto& saved = savedSysvars();
    const std::wstring_view wanted = name ? name : L"";
    auto newest = std::find_if(saved.rbegin(), saved.rend(), [&](const DvSavedSysvar& s) {
        return equalsNoCase(s.name, wanted);
    });
    if (newest == saved.rend())
        return;
    const DvSavedSysvar value = *newest;
    saved.erase(std::next(newest).base());
    restore(value);
}

void dv_save_layer() {
    std::wstring layer;
    dv_get_sysvar_string(L"CLAYER", layer);
    dv_store_add_string(dv_store_current(), kSavedLayer, layer.c_str());
}

void dv_restore_layer() {
    DvDrawingNode* node = dv_store_current();
    std::wstring layer;
    if (dv_store_get_string(node, kSavedLayer, layer) != 0)
        return;
    dv_set_sysvar(L"CLAYER", RTSTR, DvValue::ofText(layer));
    dv_store_delete(node, kSavedLayer, RTSTR, 1);
}

int dv_replace_saved_layer(const wchar_t* name) {
    return dv_store_set_string(dv_store_current(), kSavedLayer, name, 0);
}

void dv_save_osnap() {
    int mode = 0;
    dv_get_sysvar_int(L"OSMODE", mode);
    dv_store_add_int(dv_store_current(), kSavedOsnap, mode);
    dv_set_sysvar(L"OSMODE", RTSHORT, DvValue::ofInt(0));
}

void dv_restore_osnap() {
    DvDrawingNode* node = dv_store_current();
    int mode = 0;
    if (dv_store_get_int(node, kSavedOsnap, mode) != 0)
        return;
    dv_store_delete(node, kSavedOsnap, RTSHORT, 1);
    dv_set_sysvar(L"OSMODE", RTSHORT, DvValue::ofInt(mode));
}

void dv_save_aunits() {
    DvDrawingNode* node = dv_store_current();
    int units = 0;
    if (dv_store_get_int(node, kSavedAunits, units) == 0)
        return;
    dv_get_sysvar_int(L"AUNITS", units);
    dv_store_set_int(node, kSavedAunits, units, 1);
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(kRadians));
}

void dv_restore_aunits() {
    DvDrawingNode* node = dv_store_current();
    int units = 0;
    if (dv_store_get_int(node, kSavedAunits, units) != 0)
        return;
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(units));
    dv_store_delete(node, kSavedAunits, RTSHORT, 1);
}

int dv_aunits_radians(int& old) {
    dv_get_sysvar_int(L"AUNITS", old);
    dv_set_sysvar(L"AUNITS", RTSHORT, DvValue::ofInt(kRadians));
    return 0;
}
