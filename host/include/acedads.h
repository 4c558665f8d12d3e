// Editor functions of the ADS interface: selection sets, system variables,
// AutoLISP symbols, coordinate systems and support files.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

// Selection sets (at most 128 at once). mode: nullptr or "" (interactive:
// "Select objects:" until Enter), ":S" (interactive, ends at the first pick or
// window that selects something), "X", "L", "P", "I", "W", "C" (a leading "_"
// is accepted). pt1/pt2 are ads_point corners for "W" and "C". The filter
// applies to what is selected. RTNORM with a set, which also becomes the
// previous set; RTERROR when nothing was selected, the mode is unknown,
// interactive selection has no one to ask, or the filter is malformed; RTCAN
// when cancelled; RTREJ with too many open sets.
int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter,
              ads_name ss);
// RTNORM, or RTERROR for a name that is no open set.
int acedSSFree(const ads_name ss);
// The count of entities in ss. RTNORM, or RTERROR for a name that is no open set.
int acedSSLength(const ads_name ss, Int32* len);
// The i-th entity of the set (0-based). RTNORM, or RTERROR past the end.
int acedSSName(const ads_name ss, Int32 i, ads_name entres);
// Adds ename to ss (a new set when ss is nullptr; an empty new set when both are nullptr);
// result names the set. An entity already there stays once. RTNORM; RTERROR for an
// erased or unknown entity, one of another drawing, or an unknown set; RTREJ with too
// many open sets.
int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result);
// Removes ename from ss. RTNORM, or RTERROR when it is no member.
int acedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when ename is in ss, RTERROR otherwise.
int acedSSMemb(const ads_name ename, const ads_name ss);

// System variables (names in any case). acedGetVar fills the one caller-owned
// resbuf: RTSHORT, RTREAL, RTSTR (malloc'ed: free it), RTPOINT or RT3DPOINT.
// RTNORM, or RTERROR for an unknown name or a null argument.
int acedGetVar(const ACHAR* sym, resbuf* result);
// RTNORM when set. RTERROR, with nothing changed, for an unknown name, a value
// of the wrong type (an RTSHORT or RTLONG is taken for a real variable, a 2D
// point for a 3D one and the other way round; a real for an integer variable
// is refused), a read-only variable (ERRNO 20), zero where it is not allowed
// (21), a value out of range (22), or a layer, linetype, colour or text style
// that does not exist (25, 26, 27, 28).
int acedSetVar(const ACHAR* sym, const resbuf* val);

// AutoLISP symbols of the current document (names in any case). acedGetSym
// gives a fresh list the caller frees with acutRelRb; RTNORM with *value
// nullptr when the symbol is nil or unknown; RTERROR for a null argument.
int acedGetSym(const ACHAR* sname, resbuf** value);
// Copies the value: one atom or one list (RTLB ... RTLE, dotted pairs inside).
// nullptr or a single RTNIL sets nil. RTNORM, or RTERROR for an empty name, an
// unbalanced list or a type AutoLISP cannot hold (DXF group codes).
int acedPutSym(const ACHAR* sname, resbuf* value);

// Transforms pt between coordinate systems: RTSHORT 0 WCS, 1 UCS, 2 DCS,
// 3 PSDCS (only to or from 2); RTENAME the entity's OCS; RT3DPOINT the OCS of
// an extrusion vector. disp nonzero: pt is a displacement (not moved by an
// origin). RTNORM, or RTERROR with ERRNO 16 for a space that does not exist
// or pairs wrongly, 15 for other bad arguments (zero vector, stale name).
int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);

// Finds a file. A name with a folder or drive letter is checked as given;
// a bare name is looked for in the current drawing's folder, then the support
// path, then the working folder. Windows-style names resolve as the host maps
// them (drive letters, any case, NAME.DWG served by NAME.dxf). RTNORM with the
// full host path in result; RTERROR when not found, or when the path and its
// terminator need more than len characters.
int acedFindFile(const ACHAR* fname, ACHAR* result, size_t len);

// User input. Every function reads from the host's one input engine (script,
// terminal or test driver) and takes the settings of the acedInitGet call
// before it, which then lapse. Points are in the current UCS. Common results:
// RTNORM with the value; RTNONE on Enter (unless RSG_NONULL, which asks
// again); RTCAN on Esc or when the input runs out; RTKWORD for a keyword of
// the list, or with RSG_OTHER any input the function cannot read: acedGetInput
// gives it. Wrong input shows AutoCAD's message and asks again.

// Sets the control bits and keywords of the next input call. RTNORM.
int acedInitGet(int val, const ACHAR* kwl);
// A point, typed or picked (running object snaps apply to picks; "_end" and
// the like typed first snap the next point). pt: base of the rubber band, or nullptr.
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
// The other corner of a box from pt (required). As acedGetPoint.
int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result);
// A distance: a typed number, or two points (the second asked as "Specify
// second point: "), or one point from pt. RSG_2D measures in the XY plane.
int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
// An angle in radians from ANGBASE, counter-clockwise: typed in the current
// angle units, or by two points (one from pt).
int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result);
// As acedGetAngle, measured from the UCS X axis whatever ANGBASE is.
int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result);
// An integer from -32768 to 32767.
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// A string; crOnly nonzero: blanks belong to it and only Enter ends it. Enter
// gives RTNORM with "". RTINPUTTRUNCATED (with the start kept) when the text
// needs more than len characters with its terminator.
int acedGetString(int crOnly, const ACHAR* prompt, ACHAR* result, size_t len);
// One of acedInitGet's keywords, as spelled in the list (the global name when
// local and global ones are given). Anything else is refused with "Invalid
// option keyword.". RTNORM, RTNONE, RTCAN.
int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t len);
// The keyword or arbitrary input of the last input call. RTNORM; RTERROR when
// there was none; RTINPUTTRUNCATED when it does not fit.
int acedGetInput(ACHAR* str, size_t len);
// Selects one entity by a pick or a typed point (within PICKBOX), or takes
// the entity a command call (acedCmdS RTENAME) hands over. RTNORM with the
// entity and the point (UCS; for a handed-over entity a point on it); RTERROR
// when nothing is there (ERRNO 7) or on Enter (ERRNO 52); RTCAN; RTKWORD.
int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres);
// As acedEntSel; pickflag nonzero: ptres is the point, nobody is asked. The
// host selects top-level entities only (a block reference is given itself):
// xformres is the identity and *refstkres nullptr.
int acedNEntSelP(const ACHAR* str, ads_name entres, ads_point ptres, int pickflag,
                 ads_matrix xformres, resbuf** refstkres);
// The next event: type 2 keyboard (RTSHORT character), 3 selected point
// (RT3DPOINT, UCS), 5 pointer move (only when track is nonzero). RTNORM; RTCAN
// on Esc or when the input runs out.
int acedGrRead(int track, int* type, resbuf* result);
// A temporary vector from one UCS point to another in an ACI colour (-1 XOR ink).
// Kept until acedRedraw clears them. RTNORM.
int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
// Temporary vectors: RTSHORT colours and pairs of points, each pair one
// vector, placed through the matrix when given. RTNORM; RTERROR for a point
// without its pair or a value of another type.
int acedGrVecs(const resbuf* vlist, ads_matrix mat);
// Writes to a status area (box -1) or menu box; recorded for the driver. RTNORM.
int acedGrText(int box, const ACHAR* text, int hl);
// Redraws an entity (ename) or, with nullptr, the whole view, which removes
// the temporary vectors. RTNORM; RTERROR for an unknown entity.
int acedRedraw(const ads_name ent, int mode);
// 1 when the user pressed Esc since the last call (the Esc is used up), else 0.
int acedUsrBrk(void);
// Writes the prompt to the command line. RTNORM.
int acedPrompt(const ACHAR* str);
// A menu request ("P1=*" and the like); recorded for the driver. RTNORM.
int acedMenuCmd(const ACHAR* str);
// Switch to the text or the graphics screen; recorded. RTNORM.
int acedTextScr(void);
int acedGraphScr(void);
// The point the snap modes (comma-separated, "_end,mid") find near pt
// (UCS) within APERTURE pixels; the nearest when several. RTNORM; RTERROR
// when nothing is found or a mode is unknown.
int acedOsnap(const ads_point pt, const ACHAR* mode, ads_point result);
// External AutoLISP functions of the current document. acedDefun makes a LISP
// function (a "C:" prefix makes it a command) whose calls run the handler
// registered for funcno with acedRegFunc, or, with none, the application's
// kInvkSubrMsg. RTNORM; RTERROR for an empty name or no open document.
int acedDefun(const ACHAR* sname, int funcno);
// As acedDefun; the local name is not kept apart.
int acedDefunEx(const ACHAR* pGlobalName, const ACHAR* pLocalName, int funcno);
// RTNORM when sname was defined with funcno and is now undefined; RTERROR otherwise.
int acedUndef(const ACHAR* sname, int funcno);
// Registers fhdl (nullptr removes the handler) for funcno. Always RTNORM. The
// handler returns RSRSLT (or RTNORM) with its result set by an acedRet*
// function, or RSERR (or RTERROR), which ends the LISP call with an error.
int acedRegFunc(int (*fhdl)(), int funcno);
// The function code of the external function running, or of the module
// command running (the fcode of addCommand); RTERROR when none is.
int acedGetFunCode();
// A fresh copy of the running function's arguments (free with acutRelRb):
// lists as RTLB ... RTLE, dotted pairs with RTDOTE before the cdr, lists of
// two or three reals as RTPOINT/RT3DPOINT, integers as RTSHORT (RTLONG past
// 16 bits), T as RTT, nil as RTNIL. nullptr with no arguments or no call.
resbuf* acedGetArgs();
// The result of the running function. A later call replaces it. Each returns RTNORM.
// acedRetVal takes one value (an atom, or one RTLB ... RTLE list); acedRetList
// makes a list of all the values of the chain.
int acedRetVal(const resbuf* rbuf);
int acedRetList(const resbuf* rbuf);
int acedRetInt(int ival);
int acedRetReal(ads_real rval);
int acedRetStr(const ACHAR* s);
int acedRetPoint(const ads_point pt);
// type RTENAME or RTPICKS.
int acedRetName(const ads_name aname, int type);
int acedRetT();
int acedRetNil();
// No value: the call gives nil and a command prints nothing.
int acedRetVoid();
// Calls the LISP function named by the first (RTSTR) buffer with the values
// that follow as arguments. RTNORM with the result in *result (nullptr for
// nil; free with acutRelRb); RTERROR when the name is no function or the call
// fails.
int acedInvoke(const resbuf* args, resbuf** result);

// Application modules (ObjectARX). acedArxLoad loads a module file (found
// as acedFindFile finds it; ".arx" added when the name has no extension):
// RTNORM; RTERROR when it cannot be found or opened, lacks acrxEntryPoint,
// reports another API version, refuses kInitAppMsg, or is loaded already
// (ERRNO says which). acedArxUnload takes the name as loaded or its file
// name: RTNORM; RTERROR when no such module is loaded or it is locked.
int acedArxLoad(const ACHAR* app);
int acedArxUnload(const ACHAR* app);
// The loaded modules' paths, one RTSTR each, in load order (free with
// acutRelRb); nullptr when none.
resbuf* acedArxLoaded();
// The full path of the module whose code is running (its message, command
// or function); the host program's path when none is.
const ACHAR* acedGetAppName();
