// One application module loaded into the host: its library, its entry
// point, and what it told the host about itself while it loaded.
#pragma once

#include "rxdefs.h"
#include "windows.h"

#include <filesystem>
#include <string>

namespace vma::arx {

using EntryPoint = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);

struct Module {
    std::filesystem::path path; // the file as loaded (absolute)
    std::wstring pathText;      // the same, as acedGetAppName and acedArxLoaded give it
    void* library = nullptr;    // the dlopen handle
    EntryPoint entry = nullptr;
    HMODULE winModule = nullptr;
    bool locked = true; // until acrxUnlockApplication
    bool mdiAware = false;
    int busy = 0;           // calls into the module under way
    bool unloading = false; // kUnloadAppMsg sent: the library closes when it is idle

    // The application id kInitAppMsg gives the module.
    void* appId() { return this; }
};

} // namespace vma::arx
