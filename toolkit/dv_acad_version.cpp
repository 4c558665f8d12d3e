#include "toolkit/dv_acad_version.h"

#include <cwchar>

int dv_acad_version(wchar_t* name) {
    if (name != nullptr)
        std::wcscpy(name, L"--");
    return 100;
}
