// How the CAD program reaches a row of the command table: by the function
// code it registered, through one entry for commands and one for AutoLISP
// functions, so that no exception of a body crosses the plug-in boundary.
#pragma once

// Runs the body of the row with that function code: its result, or 0 for a
// code outside the table; an exception leaving the body is reported on the
// command line and gives RTERROR.
int dv_call_row(int code);

// What addCommand registers for every command row: the row of acedGetFunCode().
void dv_command_entry();
// What acedRegFunc registers for every AutoLISP row: the row of acedGetFunCode().
int dv_lisp_entry();
