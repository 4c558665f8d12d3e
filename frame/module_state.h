// What the module keeps beside its application object while it is loaded:
// the F1 filter's registration, the dialog file, the host release tag and
// whether the once-per-load work has run.
#pragma once

#include <string>

struct DvModuleState {
    bool helpFilterInstalled = false;
    int dclId = -1;
    int dclLoads = 0;         // successful loads of the dialog file
    std::wstring versionTag;  // release name of the CAD program (release detection)
    bool initialised = false; // dvinit has run
};

DvModuleState& dv_module_state();
