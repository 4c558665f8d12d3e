// The module's DCL file as the plug-in frame loaded it, for the toolkit's own
// dialogs (progress bar, table select).
#pragma once

// The id ads_load_dialog gave, or -1 while none is loaded.
int dv_dcl_id();
void dv_set_dcl_id(int id);
