// Release detection of the CAD program the module runs in. Stand-in until the
// block-library Part brings the release table: every release counts as not
// recognised, as the running release does.
#pragma once

// Release code of the CAD program: 100 (not recognised). name, when given,
// receives "--" (it holds at least 3 characters).
int dv_acad_version(wchar_t* name);
