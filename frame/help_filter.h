// The F1 key: while a command of this module runs, F1 opens the module's help
// at that command instead of the CAD program's help.
#pragma once

#include "windows.h"

// The window-message filter (acedRegisterFilterWinMsg). True when it took
// the message: F1 is down, the running application is this module (or none is
// named in DV_CUR_APP) and a command of it is found. Of two F1 messages in a
// row only the first opens help; the second is taken without opening it.
bool dv_help_filter(MSG* message);

// Forgets a half-seen F1 pair (at load and unload of the module).
void dv_help_filter_reset();
