// The module's DCL file, loaded at the first drawing load and kept while the
// module stays loaded.
#pragma once

#include "frame/app.h"

#include <string>

// The file to load: the module's own path with the extension DCL, unless the
// user configuration names another one (DCLFileNaam) that exists in the
// module directory; a named file that is missing is reported with an alert.
std::wstring dv_dialog_file_path(const DvArxApp& app);

// Loads the dialog file unless it has been loaded already: prints
// "Loading dialog-box ..." and "...Ready!", or shows an alert when it cannot
// be loaded (the next drawing load tries again).
void dv_load_dialog_file(const DvArxApp& app);
