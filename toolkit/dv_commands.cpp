#include "toolkit/dv_commands.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_command_list.h"
#include "toolkit/dv_environment.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"

#include <cmath>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kUnnamedStyle = L"*UNNAMED";
constexpr const wchar_t* kImpliedSelection = L"DvArxImpliedSelSet";

struct RbListDeleter {
    void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using RbList = std::unique_ptr<resbuf, RbListDeleter>;

std::wstring upper(std::wstring text) {
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return text;
}

bool tableHas(const wchar_t* table, const std::wstring& name) {
    return RbList(acdbTblSearch(table, name.c_str(), 0)) != nullptr;
}

bool isDimvarType(int type) {
    return type == RTREAL || type == RTSHORT || type == RTSTR || type == RT3DPOINT ||
           type == RTLONG;
}

bool holds(const wchar_t* name, int type, const DvValue& value) {
    DvValue present;
    if (dv_get_sysvar(name, type, present) != 0)
        return false;
    switch (type) {
    case RTREAL:
        return std::fabs(present.real - value.real) <= 1e-6;
    case RT3DPOINT:
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(present.point[i] - value.point[i]) > 0.05)
                return false;
        }
        return true;
    case RTSTR:
        return present.text == value.text;
    default:
        return present.integer == value.integer;
    }
}

// DIMSCALE is kept in group 40 of the style's table record.
void writeStyleScale(const std::wstring& style, double scale) {
    ads_name record{};
    if (acdbTblObjName(L"DIMSTYLE", style.c_str(), record) != RTNORM)
        return;
    RbList list(acdbEntGet(record));
    for (resbuf* rb = list.get(); rb; rb = rb->rbnext) {
        if (rb->restype == 40) {
            rb->resval.rreal = scale;
            acdbEntMod(list.get());
            return;
        }
    }
}

void appendSave(DvCommandList& list, const std::wstring& style) {
    list.add(L"_SAVE").add(style);
    if (tableHas(L"DIMSTYLE", style))
        list.add(L"_Y");
}

std::vector<std::wstring> dimensionStyles() {
    std::vector<std::wstring> names;
    for (RbList entry(acdbTblNext(L"DIMSTYLE", 1)); entry;
         entry.reset(acdbTblNext(L"DIMSTYLE", 0))) {
        for (const resbuf* rb = entry.get(); rb; rb = rb->rbnext) {
            if (rb->restype == 2 && rb->resval.rstring)
                names.emplace_back(rb->resval.rstring);
        }
    }
    return names;
}

bool undoGroupsKept() {
    int control = 0;
    return dv_get_sysvar_int(L"UNDOCTL", control) == 0 && control > 3;
}

} // namespace

int dv_set_layer(const wchar_t* name, int colour, const wchar_t* linetype, int bracket) {
    const std::wstring layer = name ? name : L"";
    std::wstring current = dv_catalogue_line(1, L"CURRENT");
    if (bracket)
        current = L"<" + current + L">";
    if (upper(layer) == upper(current))
        return 0;
    if (tableHas(L"LAYER", layer)) {
        const int status = DvCommandList().add(L"_.LAYER").add(L"_Set").add(layer).add(L"").run();
        return status == RTNORM ? 0 : DV_FAILED;
    }
    DvCommandList list;
    list.add(L"_.LAYER").add(L"_M").add(layer);
    if (colour != 0 && colour != 256)
        list.add(L"_C").add(std::to_wstring(colour)).add(layer);
    if (linetype)
        list.add(L"_L").add(linetype).add(layer);
    list.add(L"");
    list.run();
    return 0;
}

int dv_set_dimvar(const wchar_t* name, int type, const DvValue& value) {
    if (!isDimvarType(type))
        return DV_FAILED;
    if (holds(name, type, value))
        return 0;
    std::wstring style;
    dv_get_sysvar_string(L"DIMSTYLE", style);
    dv_set_sysvar(name, type, value);
    if (upper(style) == kUnnamedStyle)
        return 0;
    if (upper(name ? name : L"") == L"DIMSCALE") {
        writeStyleScale(style, value.real);
        return 0;
    }
    dv_push_sysvar_int(L"EXPERT", 0);
    DvCommandList list;
    list.add(L"_.DIM");
    appendSave(list, style);
    list.add(L"_EXIT").run();
    dv_pop_sysvar(L"EXPERT");
    return 0;
}

// Each style is restored, compared and saved on its own: comparing only the
// current value while one command list is built would see the value set for
// the first style and leave every other style unchanged.
int dv_set_dimvar_all_styles(const wchar_t* name, int type, const DvValue& value) {
    if (!isDimvarType(type))
        return DV_FAILED;
    const std::vector<std::wstring> styles = dimensionStyles();
    if (styles.empty())
        return 1;
    std::wstring start;
    dv_get_sysvar_string(L"DIMSTYLE", start);
    int expert = 0;
    dv_get_sysvar_int(L"EXPERT", expert);
    dv_set_sysvar(L"EXPERT", RTSHORT, DvValue::ofInt(5));
    for (const auto& style : styles) {
        DvCommandList().add(L"_.DIM").add(L"_RESTORE").add(style).add(L"_EXIT").run();
        if (holds(name, type, value))
            continue;
        dv_set_sysvar(name, type, value);
        DvCommandList list;
        list.add(L"_.DIM");
        appendSave(list, style);
        list.add(L"_EXIT").run();
    }
    if (upper(start) != kUnnamedStyle)
        DvCommandList().add(L"_.DIM").add(L"_RESTORE").add(start).add(L"_EXIT").run();
    dv_set_sysvar(name, type, value);
    dv_set_sysvar(L"EXPERT", RTSHORT, DvValue::ofInt(expert));
    return 0;
}

void dv_undo_begin() {
    if (undoGroupsKept())
        DvCommandList().add(L"_.UNDO").add(L"_G").run();
}

void dv_undo_end() {
    if (undoGroupsKept())
        DvCommandList().add(L"_UNDO").add(L"_E").run();
    DvDrawingNode* node = dv_store_current();
    ads_name selection{};
    if (dv_store_get_ename(node, kImpliedSelection, selection) != 0)
        return;
    acedSSFree(selection);
    dv_store_delete(node, kImpliedSelection, RTENAME, 1);
}
