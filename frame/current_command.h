// Which command of the module runs now, for the F1 help filter and the help
// buttons of the module's dialogs.
#pragma once

#include "adsdlg.h"
#include "frame/app.h"

#include <string>

// Finds the running row: from CMDNAMES (the first row whose upper-cased name
// is part of it; none gives row 0), or from acedGetFunCode() when CMDNAMES is
// empty. For a row above 0 it fills, where asked, the name (a leading "C:" of
// any case removed), the kind and the title line, and returns 0. For row 0 or
// below the title line comes from the AutoLISP variable VMAAPPSFUNCNR when it
// is above 0 (0 returned); when that variable cannot be read as a short the
// title line is 0 and 1 is returned.
int dv_current_command(const DvArxApp& app, std::wstring* name, int* kind, int* titleLine);

// The help context of the running command: its title line + 1000.
int dv_help_context(const DvArxApp& app);

// Opens the module's help file at the running command's context
// (WinHelpW, HELP_CONTEXT).
void dv_show_help(const DvArxApp& app);

// The action of the help tile of the module's dialogs: dv_show_help of the
// application object.
void dv_help_tile_action(ads_callback_packet* packet);
