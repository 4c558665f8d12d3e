#include "settings/ini_trace.h"

void ini_trace_end(bool success) {
    if (dv_trace_mode() != 2)
        return;
    dv_trace_write(success ? std::wstring(dv_catalogue_line(63, L" -> Succes"))
                           : std::wstring(dv_catalogue_line(64, L" -> Failed")));
}
