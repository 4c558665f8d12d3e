// The message catalogue: every user-facing line of the module in several
// language variants, read from the binary catalogue file (VMAAPPS.TXT:
// fixed-length Windows-1252 records and a "DTFS" trailer) and formatted with
// at most one typed argument through the checked formatter.
#pragma once

#include "adsdlg.h"
#include "toolkit/dv_format.h"

#include <string>

// Opens the catalogue with variants lines per message and language as the
// 0-based variant to read: 0 opened (already open: only variants and language
// change; a null path only does that), 1 the file cannot be opened, 2 its
// trailer cannot be reached or does not hold together, -1 wrong magic ("Incompatible textfile!"
// is printed and the file closed).
int dv_catalogue_open(const wchar_t* path, int variants, int language);
// Closes the catalogue; harmless when none is open.
void dv_catalogue_close();

// Line `line` of section 100 (the toolkit's own lines), or builtin when the
// catalogue cannot give it. The buffer is the module's one line buffer:
// overwritten by the next call.
const wchar_t* dv_catalogue_line(int line, const wchar_t* builtin);

// The line formatted with its argument by type (RTNONE, RTVOID, RTNIL: copied
// unchanged; RTREAL, RTSHORT, RTLONG, RTSTR: formatted; other types:
// "DEBUG(ERRORMODE).." before the unformatted text), cut to 255 characters:
// 0; 1 when the line cannot be read (dest then holds "Nog leeg!" or its
// catalogue translation, or "Incompatible textfile! " without a catalogue).
int dv_catalogue_text(std::wstring& dest, int section, int line, int type = RTNONE,
                      const DvArg& arg = {});
// Prints a newline and the formatted line: 0 printed, 1 line not readable,
// 2 line empty.
int dv_catalogue_print(int section, int line, int type = RTNONE, const DvArg& arg = {});
// As dv_catalogue_text with a string argument when arg is given.
int dv_catalogue_string(ads_hdlg dialog, int section, int line, const wchar_t* arg,
                        std::wstring& dest);
// Sets the dialog's "dcl_label" tile (its title) to the catalogue line.
void dv_set_dcl_label(ads_hdlg dialog, int section, int line, const wchar_t* arg = nullptr);
