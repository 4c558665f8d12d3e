// The records of one drawing's part of the drawing variable store, shared by
// the store and the toolkit's save/restore pairs.
#pragma once

#include "toolkit/dv_drawing_key.h"
#include "toolkit/dv_store.h"

#include <string>
#include <variant>
#include <vector>

struct DvEname {
    int64_t word[2] = {0, 0};
};

struct DvRecord {
    std::wstring name;
    int type = 0;
    std::variant<double, int, std::wstring, DvEname, void*> value;
};

// A system variable's value saved by a push, restored by the matching pop.
struct DvSavedSysvar {
    std::wstring name;
    int type = 0; // RTREAL, RTSHORT or RTSTR
    double real = 0;
    int integer = 0;
    std::wstring text;
};

struct DvDrawingNode {
    DvDrawingKey key;
    std::vector<DvRecord> records; // oldest first
    // The saved-system-variable list, newest last (the store's DvArxSysVar
    // entry points here). The node owns it, so dropping a drawing frees it.
    std::vector<DvSavedSysvar> savedSysvars;
};
