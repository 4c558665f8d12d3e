// The developer channels: debug lines routed by the level from the DV_DEBUG
// environment variable (0 off, 1 command line, 2 the file "debug.dat" of the
// current folder, 3 both, 4 a message box) and the settings store's trace lines.
#pragma once

#include "toolkit/dv_format.h"

#include <string_view>

// The level in force; on first use read from DV_DEBUG (-2 when it is unset).
int dv_debug_level();
// Back to "not read yet" (-1), or a level of the caller's choosing.
void dv_debug_set_level(int level);
// Routes a finished line by the level.
void dv_debug_write(std::wstring_view text);

template <typename... Args> void dv_debug_print(std::wstring_view format, const Args&... args) {
    if (dv_debug_level() <= 0)
        return;
    dv_debug_write(dv_formatf(format, args...));
}

// The body of the vmadebug command: asks for a new level 0-3 and removes a
// left-over "debug.dat".
void vmadebug();

// Trace mode 0, 1 or 2 (owned by the settings store's debug-mode command);
// only mode 2 traces.
int dv_trace_mode();
void dv_set_trace_mode(int mode);
// The file trace lines are appended to (null or empty: none): 0, or nonzero
// when it cannot be written.
int dv_set_trace_file(const wchar_t* path);
void dv_trace_write(std::wstring_view text);

template <typename... Args> void dv_trace_print(std::wstring_view format, const Args&... args) {
    if (dv_trace_mode() != 2)
        return;
    dv_trace_write(dv_formatf(format, args...));
}
