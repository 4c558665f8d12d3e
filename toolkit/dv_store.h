// The drawing variable store: per open drawing, a list of named typed values
// that the toolkit and the commands keep between calls (saved layers, object
// snaps, progress state, the drawing data record). Names compare without
// regard to case and are kept to 80 characters; a lookup finds the most
// recently appended record of a name and type, so appending a second record
// under a name stacks it over the first.
#pragma once

#include "adsdef.h"
#include "toolkit/dv_value.h"

#include <string>

// One drawing's part of the store.
struct DvDrawingNode;

// The current drawing's node, made on first use. Never null.
DvDrawingNode* dv_store_current();

// Append a new record, whatever is there already.
void dv_store_add_string(DvDrawingNode* node, const wchar_t* name, const wchar_t* text);
void dv_store_add_int(DvDrawingNode* node, const wchar_t* name, int value);

// Replace the value of the newest record of that name and type (an old string
// is freed, the new one copied): 0. Without such a record: append one when
// create is nonzero (0), else -1.
int dv_store_set_string(DvDrawingNode* node, const wchar_t* name, const wchar_t* text, int create);
int dv_store_set_int(DvDrawingNode* node, const wchar_t* name, int value, int create);
int dv_store_set_real(DvDrawingNode* node, const wchar_t* name, double value, int create);
// The store does not own the pointer.
int dv_store_set_pointer(DvDrawingNode* node, const wchar_t* name, void* value, int create);
int dv_store_set_ename(DvDrawingNode* node, const wchar_t* name, const ads_name value, int create);

// The newest record's value: 0, or -1 when absent (out is then untouched).
int dv_store_get_string(DvDrawingNode* node, const wchar_t* name, std::wstring& out);
int dv_store_get_int(DvDrawingNode* node, const wchar_t* name, int& out);
int dv_store_get_real(DvDrawingNode* node, const wchar_t* name, double& out);
int dv_store_get_ename(DvDrawingNode* node, const wchar_t* name, ads_name out);
// The pointer, or null when absent.
void* dv_store_get_pointer(DvDrawingNode* node, const wchar_t* name);

// Removes the newest record whose name matches (exact nonzero: the whole name;
// else every name starting with it) and whose type is type (0: any type).
// 0 removed, 1 nothing matched, -1 the drawing has no variables.
int dv_store_delete(DvDrawingNode* node, const wchar_t* name, int type, int exact);
// Removes matching records until none is left; a null name empties the list.
void dv_store_delete_all(DvDrawingNode* node, const wchar_t* name, int type, int exact);

// all == 0: forget the current drawing's node; else forget every node.
void dv_store_drop(int all);
