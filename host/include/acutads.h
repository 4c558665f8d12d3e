// Utility functions of the ADS interface: result-buffer lists and wildcards.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

// A fresh result buffer of the given type, zeroed; nullptr when out of memory.
resbuf* acutNewRb(int type);

// Frees a whole list, with the strings and binary chunks inside it. Always RTNORM.
int acutRelRb(resbuf* list);

// A list built from (type, value) pairs ended by 0. Strings are copied.
// Points (RTPOINT, RT3DPOINT and the point group codes) take an ads_point,
// RTENAME and -1/-2 an ads_name; RTLB/RTLE/RTDOTE/RTNIL/RTT take no value.
// nullptr on an unknown type.
resbuf* acutBuildList(int type, ...);

// A deep copy of a list; nullptr for nullptr.
resbuf* acutRbDup(const resbuf* list);

// RTNORM when the string matches the wildcard pattern, RTERROR otherwise
// (also for a null argument). Matching is case-sensitive.
int acutWcMatch(const ACHAR* string, const ACHAR* pattern);

// Prints to the command line (the transcript). Returns the count of characters.
int acutPrintf(const ACHAR* format, ...);
