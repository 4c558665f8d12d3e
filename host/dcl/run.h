// Running a dialog without a screen: actions from the answer queue change
// tiles and call their actions until one ends the dialog.
#pragma once

#include "host/dcl/answers.h"
#include "host/dcl/dialog.h"

namespace vma::dcl {

// Calls the tile's action for reason: the one set by ads_action_tile, else
// the DCL action, else the built-in one of "accept" (DLGOK) and "cancel"
// (DLGCANCEL), else the dialog's default action for an active tile.
void fire(Dialog& dialog, Tile& tile, int reason, long x = 0, long y = 0);

// Checks and carries out one action, writing it (or why it was refused) to
// the transcript. False when refused.
bool apply(Dialog& dialog, const Action& action);

// Takes actions until the dialog ends; no more answers cancel it. The status
// the dialog ended with. CMDACTIVE has the dialog bit meanwhile.
int run(Dialog& dialog);

} // namespace vma::dcl
