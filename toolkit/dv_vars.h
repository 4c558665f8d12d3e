// Typed access to system variables and AutoLISP variables, and the reading of
// one result-buffer item into a plain value. Type codes are the ADS ones:
// RTREAL, RTPOINT, RTSHORT, RTSTR, RTENAME, RT3DPOINT, RTLONG (and RTNIL to
// clear an AutoLISP variable).
#pragma once

#include "adsdef.h"
#include "toolkit/dv_value.h"

// 0 with out filled; DV_FAILED when the variable cannot be read or its value
// cannot be given as type.
int dv_get_sysvar(const wchar_t* name, int type, DvValue& out);
// 0 when set; DV_FAILED for a type other than RTREAL, RTPOINT, RTSHORT, RTSTR,
// RT3DPOINT, RTLONG, or when the value is refused. Nothing is saved.
int dv_set_sysvar(const wchar_t* name, int type, const DvValue& value);

// 0 with out filled; 1 when the symbol is nil; -1 when its value has another
// type; DV_FAILED when AutoLISP cannot be asked.
int dv_get_lisp_var(const wchar_t* name, int type, DvValue& out);
// 0 when set; 1 when AutoLISP refuses; DV_FAILED (with "Variable type %d not
// implemented yet!") for a type other than RTREAL, RTPOINT, RTSHORT, RTSTR,
// RT3DPOINT, RTLONG and RTNIL (which sets the symbol to nil).
int dv_set_lisp_var(const wchar_t* name, int type, const DvValue& value);

// 0 with out filled; -1 without an item; 1 when the item has another type;
// DV_FAILED (with "Sorry, variable-type %d not implemented yet!") for an
// unsupported type. The values of DXF string groups (0-9, 100, 102, 105,
// 300-309, 320-329, 999-1003, 1005-1009) are read as text when RTSTR is asked.
int dv_value_from_list(const resbuf* item, int type, DvValue& out);

// Shorthands for the common cases: 0, or DV_FAILED as dv_get_sysvar.
int dv_get_sysvar_int(const wchar_t* name, int& out);
int dv_get_sysvar_real(const wchar_t* name, double& out);
int dv_get_sysvar_string(const wchar_t* name, std::wstring& out);
