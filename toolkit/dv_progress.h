// Progress shown while a command works: a bar in a dialog that is created but
// never started, and a spinning character on the command line. Their state
// lives in the current drawing's variable store.
#pragma once

#include "adsdlg.h"

// Shows dialog "dv_percentage_balk" of the module's DCL file with its header
// and info text: 0, or 1 when the dialog cannot be created. total means 100 %.
int dv_percentage_open(double total, const wchar_t* header = nullptr,
                       const wchar_t* info = nullptr);
// The bar inside the caller's dialog (BAD_DIALOG: the last bar dialog): 0.
int dv_percentage_attach(ads_hdlg dialog, double total);
// Draws the bar up to current / total.
void dv_percentage_update(double current);
// Completes the bar, ends its dialog and forgets the state.
void dv_percentage_close();

// The spinner turns one step each time counter is a multiple of interval.
void dv_status_start(int interval);
void dv_status_tick(long counter);
void dv_status_end();
