// The store's trace lines: a line break, the operation's catalogue line
// (section 100) filled with its arguments, and " -> Succes" or " -> Failed"
// at its end. Only printed in trace mode 2, so nothing is formatted otherwise.
#pragma once

#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_debug.h"

#include <string>

template <typename... Args>
void ini_trace_begin(int line, const wchar_t* builtin, const Args&... args) {
    if (dv_trace_mode() != 2)
        return;
    std::wstring format = dv_catalogue_line(line, builtin);
    dv_trace_write(L"\n");
    dv_trace_write(dv_formatf(format, args...));
}

void ini_trace_end(bool success);

// Traces the ending by the status (0 = success) and hands the status back.
inline int ini_traced(int status) {
    ini_trace_end(status == 0);
    return status;
}
