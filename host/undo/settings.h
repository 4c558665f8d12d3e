// The UNDO command's settings as UNDOCTL holds them: 1 undo on, 2 one command
// only, 4 Auto, 8 a group open, 16 zoom and pan combined, 32 layer changes
// combined. Undo off is 0 and one-command mode 3, as AutoCAD gives them, so
// "UNDOCTL above 3" means groups can be made.
#pragma once

#include "host/undo/undo_log.h"

namespace vma::host {
class Session;
}

namespace vma::undo {

struct Settings {
    Control control = Control::All;
    bool autoMode = true;
    bool combineZoom = true;
    bool combineLayer = true;
};

Settings settingsFrom(int undoctl);
int undoctlOf(const Settings& settings, bool groupOpen);

Settings currentSettings(host::Session& session);
// Writes UNDOCTL: the settings, and bit 8 from the current document's log.
void storeSettings(host::Session& session, const Settings& settings);

} // namespace vma::undo
