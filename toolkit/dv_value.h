// A value named by an ADS type code, as the toolkit hands values between the
// drawing variable store, system variables, AutoLISP variables and result
// buffers. Only the member that belongs to the type code is meaningful.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

#include <string>

// Type code of an untyped pointer in the drawing variable store.
constexpr int DV_TYPE_POINTER = RTVOID;
// Status of a failed platform call or an unsupported type code.
constexpr int DV_FAILED = -32000;

struct DvValue {
    double real = 0;   // RTREAL
    ads_point point{}; // RTPOINT (x, y) and RT3DPOINT
    int integer = 0;   // RTSHORT, RTLONG
    std::wstring text; // RTSTR
    ads_name name{};   // RTENAME

    static DvValue ofReal(double v) {
        DvValue value;
        value.real = v;
        return value;
    }
    static DvValue ofInt(int v) {
        DvValue value;
        value.integer = v;
        return value;
    }
    static DvValue ofText(std::wstring v) {
        DvValue value;
        value.text = std::move(v);
        return value;
    }
    static DvValue ofPoint(double x, double y, double z = 0) {
        DvValue value;
        value.point[X] = x;
        value.point[Y] = y;
        value.point[Z] = z;
        return value;
    }
};
