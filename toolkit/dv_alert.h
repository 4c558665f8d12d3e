// Alert boxes: up to three lines of at most 77 characters under one of four
// titles chosen by the length of the longest line, from the caller or from the
// message catalogue.
#pragma once

#include "toolkit/dv_format.h"

#include <string>

// Modes of dv_message_box: 0 OK, 1 OK/Cancel, 2 Yes/No, 3 Yes/No/Cancel; a
// negative mode shows an OK box for at least -mode seconds (Esc ends it early).
// RTNORM for OK or Yes, RTCAN for any other answer and always for a timed box.
// A null line1 shows "Geen message meegegeven!" and gives RTCAN.
int dv_message_box(int mode, const wchar_t* line1, const wchar_t* line2 = nullptr,
                   const wchar_t* line3 = nullptr, unsigned flags = 0);

// A box of catalogue lines of one section, each formatted with its own
// argument; number2 and number3 count only above 0 (number3 only with number2).
// As dv_message_box, or RTERROR (after a box saying so) when number1 is below 1.
int dv_ads_message(int mode, int section, int number1, int type1, const DvArg& arg1,
                   int number2 = 0, int type2 = RTNONE, const DvArg& arg2 = {}, int number3 = 0,
                   int type3 = RTNONE, const DvArg& arg3 = {}, unsigned flags = 0);

// Reads lines first .. first + 3 of section as the four titles, each
// formatted with the string argument.
void dv_load_alert_titles(int section, int first, const wchar_t* arg);
// Title 1-4 as in force ("Velmora Alert" until loaded).
const std::wstring& dv_alert_title(int index);
// All four titles back to "Velmora Alert", as at load.
void dv_reset_alert_titles();
