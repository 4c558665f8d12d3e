// The trace-mode command vmadebugmode: trace mode 0 (off), 1 (the module
// runs on clean, empty configuration files while the real ones are parked
// under C:/) or 2 (trace lines go to C:/VMADEBUG.002).
#pragma once

// The command body; runs inside the command frame.
void vmadebugmode();

// Switches from the current trace mode to mode (0-2): leaves the old mode,
// enters the new one and stores it. Nothing happens when mode is current.
void dv_switch_trace_mode(int mode);
