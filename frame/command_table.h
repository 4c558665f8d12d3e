// The static command table of the module: every command and AutoLISP
// function, in function-code order.
#pragma once

#include "frame/command_entry.h"

#include <span>

inline constexpr int kCommandCount = 183;

// The whole table; row i has function code i.
std::span<const CommandEntry> dv_command_table();

// The row of a function code, or null for a code outside the table.
const CommandEntry* dv_command_row(int code);
