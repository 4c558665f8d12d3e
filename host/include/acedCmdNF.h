// Running commands from a program: the subroutine forms of the command
// function. Each argument answers one prompt of the commands it names, as a
// user would type it; the commands run to their end before the call returns.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

// Feeds the list to the commands it names, one argument per prompt: RTSTR is
// typed ("" is Enter, "\\" (PAUSE) takes one answer from the user or script
// running the program), RTSHORT, RTLONG, RTREAL are typed numbers, RTANG an
// angle in radians, RTPOINT and RT3DPOINT a point in the current UCS, RTENAME
// an entity (selected at a selection prompt), RTPICKS a whole selection set at
// "Select objects:". Names may carry the "_" and "." prefixes. Arguments left
// when a command ends start the next command. RTNORM when every command ran;
// RTCAN when a command still asked when the arguments ran out (it is
// cancelled) or Esc was pressed at a PAUSE; RTERROR for an unknown command
// (reported on the command line), a command name that is no string, or an
// argument type the command line cannot take. forFutureUse and doc are unused:
// the commands run in the current document.
int acedCmdS(const resbuf* rb, bool forFutureUse = false, void* doc = nullptr);

// As acedCmdS, with the arguments as type/value pairs ended by RTNONE or 0:
// RTSTR const ACHAR*, RTSHORT and RTLONG int, RTREAL and RTANG double,
// RTPOINT and RT3DPOINT an ads_point, RTENAME and RTPICKS an ads_name.
int acedCommandS(int rtype, ...);
