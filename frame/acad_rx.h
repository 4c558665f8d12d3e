// Repair of the CAD program's start-up list acad.rx: the sibling module
// RIVIRIVU.ARX has to load before this one, so their lines are exchanged.
#pragma once

// The repair as the drawing-data reader runs it: only when the system
// configuration's switch CorrectLoadSequence is 1 and acad.rx is found on the
// support path. Returns what dv_exchange_load_lines returns, or 1 when the
// repair does not apply.
int dv_repair_acad_rx();

// Exchanges the last line naming RIVIRIVU.ARX with the last line naming
// VMAAPPS.ARX (file-name part, any case; ';' lines are comments) whenever both
// are there, whatever their order. The new list goes to a temporary file
// beside the old one that then replaces it, so a shorter list never leaves the
// old tail behind and a failure never leaves half a file. 0 exchanged, 1 not
// both listed (the file is left alone), -1 the file could not be read or
// replaced.
int dv_exchange_load_lines(const wchar_t* path);
