// The module's pre-command and post-command hooks, which the frame calls
// around every framed command.
#pragma once

#include "frame/app.h"

// Warns of an open in-place block edit, lets the drawing data record follow a
// DIMSCALE the user changed, and offers the dimension-style conversion once
// per drawing. Always 1 (the prologue goes on).
int dv_pre_command_hook(DvArxApp& app);
// Warns of an open in-place block edit.
void dv_post_command_hook(DvArxApp& app);
