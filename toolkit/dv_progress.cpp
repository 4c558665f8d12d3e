#include "toolkit/dv_progress.h"

#include "toolkit/dv_dcl_file.h"
#include "toolkit/dv_print.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_tiles.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kTotal = L"DvArxPercentageTot";
constexpr const wchar_t* kColumn = L"DvArxPercentageCur";
constexpr const wchar_t* kInterval = L"DvArxStatusInterval";
constexpr const wchar_t* kSymbol = L"DvArxStatusSymbool";
constexpr const wchar_t* kBarTile = L"percentage_bar";
constexpr int kBarWidth = 200;
constexpr int kBarHeight = 16;
constexpr int kEmptyColour = 5;
constexpr int kFullColour = 1;

ads_hdlg g_barDialog = BAD_DIALOG;

void fillEmpty(ads_hdlg dialog) {
    dv_fill_image_tile(dialog, kBarTile, kEmptyColour);
}

void remember(double total) {
    DvDrawingNode* node = dv_store_current();
    dv_store_set_real(node, kTotal, total, 1);
    dv_store_set_int(node, kColumn, 0, 1);
}

// Draws the columns from the stored one up to column - 1.
void drawUpTo(int column) {
    DvDrawingNode* node = dv_store_current();
    int from = 0;
    if (dv_store_get_int(node, kColumn, from) != 0 || column == from)
        return;
    if (g_barDialog != BAD_DIALOG && ads_start_image(g_barDialog, kBarTile) == RTNORM) {
        for (int x = std::max(from, 0); x < column; ++x)
            ads_vector_image(x, 0, x, kBarHeight, kFullColour);
        ads_end_image();
    }
    dv_store_set_int(node, kColumn, column, 0);
}

} // namespace

int dv_percentage_open(double total, const wchar_t* header, const wchar_t* info) {
    ads_hdlg dialog = BAD_DIALOG;
    if (ads_new_dialog(L"dv_percentage_balk", dv_dcl_id(), NULLCB, &dialog) != RTNORM)
        return 1;
    g_barDialog = dialog;
    if (header)
        ads_set_tile(dialog, L"header", header);
    ads_set_tile(dialog, L"info_txt", info ? info : L"");
    fillEmpty(dialog);
    remember(total);
    return 0;
}

int dv_percentage_attach(ads_hdlg dialog, double total) {
    if (dialog != BAD_DIALOG)
        g_barDialog = dialog;
    fillEmpty(g_barDialog);
    remember(total);
    return 0;
}

// A total of zero or below has no proportion: the bar stays where it is.
void dv_percentage_update(double current) {
    double total = 0;
    if (dv_store_get_real(dv_store_current(), kTotal, total) != 0 || total <= 0)
        return;
    const double fraction = std::clamp(current / total, 0.0, 1.0);
    drawUpTo(static_cast<short>(fraction * kBarWidth));
}

void dv_percentage_close() {
    drawUpTo(kBarWidth);
    if (g_barDialog != BAD_DIALOG)
        ads_done_dialog(g_barDialog, 1);
    g_barDialog = BAD_DIALOG;
    DvDrawingNode* node = dv_store_current();
    dv_store_delete(node, kTotal, RTREAL, 1);
    dv_store_delete(node, kColumn, RTSHORT, 1);
}

void dv_status_start(int interval) {
    DvDrawingNode* node = dv_store_current();
    dv_store_set_int(node, kInterval, interval, 1);
    dv_store_set_int(node, kSymbol, 0, 1);
}

// An interval below 1 turns the spinner at every tick.
void dv_status_tick(long counter) {
    DvDrawingNode* node = dv_store_current();
    int interval = 1, symbol = 0;
    dv_store_get_int(node, kInterval, interval);
    dv_store_get_int(node, kSymbol, symbol);
    if (interval > 1 && counter % interval != 0)
        return;
    static constexpr wchar_t kSymbols[] = L"|/-\\";
    dv_print(std::wstring{L'\b', kSymbols[symbol & 3]});
    dv_store_set_int(node, kSymbol, (symbol + 1) & 3, 1);
}

void dv_status_end() {
    dv_print(L"\b ");
}
