// Names of the variables the frame keeps per application: the running row in
// the drawing variable store and the help context AutoLISP code sets.
#pragma once

#include "frame/app.h"

#include <string>

// "VMAAPPSCurCmdID": the row index of the running modal command.
inline std::wstring dv_current_command_var(const DvArxApp& app) {
    return app.name + L"CurCmdID";
}

// "VMAAPPSFUNCNR": the help context AutoLISP code sets when no command runs.
inline std::wstring dv_function_number_var(const DvArxApp& app) {
    return app.name + L"FUNCNR";
}
