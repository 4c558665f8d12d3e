// Dialog helpers: the table-entry picker and typed reading and writing of tiles.
#pragma once

#include "adsdlg.h"

#include <string>

// Lets the user pick an entry of a symbol table ("LAYER", "STYLE", ...; names
// beginning with "*" left out) in dialog "dv_table_select", the entry in name
// selected at first: 0 accepted (name holds the choice), 1 cancelled, DV_FAILED
// when the dialog cannot be created.
int dv_table_select(const wchar_t* table, const wchar_t* heading, std::wstring& name);

// Fills a whole image tile with one colour, or shows a slide over all of it.
void dv_fill_image_tile(ads_hdlg dialog, const wchar_t* key, int colour);
void dv_slide_image_tile(ads_hdlg dialog, const wchar_t* key, const wchar_t* slide);

// The tile's text read as C's wtof/wtoi do: 0, or 1 when it is empty (the value is then 0).
int dv_get_tile_real(ads_hdlg dialog, const wchar_t* key, double& out);
int dv_get_tile_int(ads_hdlg dialog, const wchar_t* key, int& out);
// The tile's text as a checked number of type 5001 (out: double, read as wtof),
// 5003 (int16, wtoi) or 5010 (int32, wtol): 0 accepted and written to out;
// minus the count of characters other than digits, "+", "-" and "."; 1 for
// another type; else the code dv_check_value gives for the kind.
int dv_get_tile_checked(ads_hdlg dialog, const wchar_t* key, int type, int kind, void* out);
// Writes the value with the format (null: "%lf" and "%d").
void dv_set_tile_real(ads_hdlg dialog, const wchar_t* key, const wchar_t* format, double value);
void dv_set_tile_int(ads_hdlg dialog, const wchar_t* key, const wchar_t* format, int value);
