// Editor functions of the ADS interface: selection sets, system variables,
// AutoLISP symbols, coordinate systems and support files.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

// Selection sets (at most 128 at once). mode: nullptr (interactive), "X", "L",
// "P", "I", "W", "C" (a leading "_" is accepted). pt1/pt2 are ads_point corners
// for "W" and "C". RTNORM with a set, which also becomes the previous set;
// RTERROR when nothing was selected, the mode is unknown, interactive selection
// has no one to ask, or the filter is malformed; RTCAN when cancelled; RTREJ
// with too many open sets.
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

// System variables. acedGetVar fills the one caller-owned resbuf (a string is
// malloc'ed: free it). RTNORM, or RTERROR for an unknown name. acedSetVar
// refuses a wrong type, a read-only variable or a value out of range with RTERROR.
int acedGetVar(const ACHAR* sym, resbuf* result);
int acedSetVar(const ACHAR* sym, const resbuf* val);

// AutoLISP symbols of the current document. acedGetSym gives a fresh list
// (caller frees; nullptr value for nil); acedPutSym with nullptr sets nil.
int acedGetSym(const ACHAR* sname, resbuf** value);
int acedPutSym(const ACHAR* sname, resbuf* value);

// Transforms pt between coordinate systems: RTSHORT 0 WCS, 1 UCS, 2 DCS,
// 3 PSDCS; RTENAME the entity's OCS; RT3DPOINT the OCS of an extrusion vector.
// disp nonzero: pt is a displacement. RTNORM or RTERROR.
int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);

// Finds a file on the support path (or as given when it has a folder).
// RTNORM with the full path in result, RTERROR when not found or too long.
int acedFindFile(const ACHAR* fname, ACHAR* result, size_t len);
