// The trace-mode command vmadebugmode: trace mode 0 (off), 1 (the module
// runs on clean, empty configuration files while the real ones are parked
// under C:/) or 2 (trace lines go to C:/VMADEBUG.002).
#pragma once

// The command body; runs inside the command frame.
void vmadebugmode();
