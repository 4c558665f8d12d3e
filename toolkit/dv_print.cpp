#include "toolkit/dv_print.h"

#include "acutads.h"

#include <string>

void dv_print(std::wstring_view text) {
    const std::wstring copy(text);
    acutPrintf(L"%s", copy.c_str());
}
