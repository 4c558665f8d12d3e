// Basic types of the ADS interface: result buffers, entity and selection-set
// names, points. Layout as in the vendor SDK with _AC64 defined (64-bit names).
#pragma once

#include <cstddef>
#include <cstdint>

using ACHAR = wchar_t;
#define ACRX_T(x) L##x

using ads_real = double;
using ads_point = ads_real[3];
using ads_matrix = ads_real[4][4];
using ads_pointp = ads_real*;
using ads_namep = int64_t*;
using Int32 = int32_t;
using Int16 = int16_t;

#ifdef _AC64
using ads_name = int64_t[2];
#else
using ads_name = int32_t[2];
#endif

enum { X = 0, Y = 1, Z = 2, T = 3 };

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    int64_t rlname[2];
    intptr_t mnLongPtr;
    int32_t rlong;
    int64_t mnInt64;
    ads_binary rbinary;
    unsigned char ihandle[8];
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};

// The one-backslash string that makes a command pause for user input.
#define PAUSE ACRX_T("\\")

#define ads_point_set(from, to) ((to)[X] = (from)[X], (to)[Y] = (from)[Y], (to)[Z] = (from)[Z])
#define ads_name_set(from, to) ((to)[0] = (from)[0], (to)[1] = (from)[1])
#define ads_name_clear(name) ((name)[0] = (name)[1] = 0)
#define ads_name_nil(name) ((name)[0] == 0 && (name)[1] == 0)
#define ads_name_equal(a, b) ((a)[0] == (b)[0] && (a)[1] == (b)[1])
