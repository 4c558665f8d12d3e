#include "acdbads.h"
#include "acutads.h"
#include "toolkit/dv_dcl_file.h"
#include "toolkit/dv_tiles.h"
#include "toolkit/dv_value.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <vector>

namespace {

constexpr const wchar_t* kList = L"list_type";

struct Position {
    int x = -1;
    int y = -1;
};
Position g_position;

struct RbListDeleter {
    void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using RbList = std::unique_ptr<resbuf, RbListDeleter>;

// What the accept action needs; lives on the caller's stack while the dialog runs.
struct Picking {
    std::vector<std::wstring> names;
    std::wstring* chosen = nullptr;
};

std::vector<std::wstring> entryNames(const wchar_t* table) {
    std::vector<std::wstring> names;
    for (RbList entry(acdbTblNext(table, 1)); entry; entry.reset(acdbTblNext(table, 0))) {
        for (const resbuf* rb = entry.get(); rb; rb = rb->rbnext) {
            if (rb->restype == 2 && rb->resval.rstring && rb->resval.rstring[0] != L'*')
                names.emplace_back(rb->resval.rstring);
        }
    }
    return names;
}

bool sameName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(static_cast<wint_t>(x)) ==
                      std::towupper(static_cast<wint_t>(y));
           });
}

void accept(ads_callback_packet* packet) {
    auto* picking = static_cast<Picking*>(packet->client_data);
    wchar_t value[32] = {};
    ads_get_tile(packet->dialog, kList, value, 32);
    const long index = std::wcstol(value, nullptr, 10);
    if (picking && value[0] != 0 && index >= 0 && size_t(index) < picking->names.size())
        *picking->chosen = picking->names[size_t(index)];
    ads_done_positioned_dialog(packet->dialog, DLGOK, &g_position.x, &g_position.y);
}

void fillList(ads_hdlg dialog, const Picking& picking, const std::wstring& current) {
    ads_start_list(dialog, kList, LIST_NEW, 0);
    for (const auto& name : picking.names)
        ads_add_list(name.c_str());
    ads_end_list();
    auto found = std::find_if(picking.names.begin(), picking.names.end(),
                              [&](const std::wstring& n) { return sameName(n, current); });
    if (found != picking.names.end())
        ads_set_tile(dialog, kList, std::to_wstring(found - picking.names.begin()).c_str());
}

} // namespace

int dv_table_select(const wchar_t* table, const wchar_t* heading, std::wstring& name) {
    ads_hdlg dialog = BAD_DIALOG;
    const int x = g_position.x < 0 ? -1 : g_position.x;
    const int y = g_position.x < 0 ? -1 : g_position.y;
    if (ads_new_positioned_dialog(L"dv_table_select", dv_dcl_id(), NULLCB, x, y, &dialog) != RTNORM)
        return DV_FAILED;
    ads_set_tile(dialog, L"kop_tekst", heading ? heading : L"");
    Picking picking{table ? entryNames(table) : std::vector<std::wstring>{}, &name};
    if (!table || !RbList(acdbTblNext(table, 1)))
        ads_mode_tile(dialog, kList, MODE_DISABLE);
    else
        fillList(dialog, picking, name);
    ads_client_data_tile(dialog, L"accept", &picking);
    ads_action_tile(dialog, L"accept", accept);
    int status = DLGCANCEL;
    ads_start_dialog(dialog, &status);
    return status == DLGOK ? 0 : 1;
}
