// Toolkit routines that change the drawing through CAD commands: the current
// layer, dimension variables written back into their styles, and the undo
// group around a command.
#pragma once

#include "toolkit/dv_value.h"

// Makes the layer current, creating it with colour (neither 0 nor 256 sets
// one) and linetype (null: none) when it does not exist. The name that means
// "keep the current layer" (line 1 of section 100, "CURRENT"; "<CURRENT>" with
// the bracket flag) changes nothing. 0, or DV_FAILED when an existing layer
// cannot be made current.
int dv_set_layer(const wchar_t* name, int colour, const wchar_t* linetype, int bracket);

// Sets a dimension variable and writes it into the current dimension style.
// 0 (also when it already held the value), DV_FAILED for a type other than
// RTREAL, RTSHORT, RTSTR, RT3DPOINT, RTLONG.
int dv_set_dimvar(const wchar_t* name, int type, const DvValue& value);
// Sets a dimension variable in every dimension style: 0, 1 when the drawing
// has no dimension styles, DV_FAILED for an unsupported type.
int dv_set_dimvar_all_styles(const wchar_t* name, int type, const DvValue& value);

// Opens and closes an undo group (only when UNDOCTL is above 3); the end also
// frees the implied selection set a command kept under DvArxImpliedSelSet.
void dv_undo_begin();
void dv_undo_end();
