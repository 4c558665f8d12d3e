#include "host/undo/settings.h"

#include "host/db/session.h"
#include "host/sysvar/access.h"
#include "host/undo/undo.h"

namespace vma::undo {

Settings settingsFrom(int undoctl) {
    Settings s;
    if ((undoctl & 1) == 0) {
        s.control = Control::None;
        return s;
    }
    if ((undoctl & 2) != 0) {
        s.control = Control::One;
        return s;
    }
    s.autoMode = (undoctl & 4) != 0;
    s.combineZoom = (undoctl & 16) != 0;
    s.combineLayer = (undoctl & 32) != 0;
    return s;
}

int undoctlOf(const Settings& s, bool groupOpen) {
    switch (s.control) {
    case Control::None:
        return 0;
    case Control::One:
        return 3;
    case Control::All:
        break;
    }
    return 1 | (s.autoMode ? 4 : 0) | (groupOpen ? 8 : 0) | (s.combineZoom ? 16 : 0) |
           (s.combineLayer ? 32 : 0);
}

Settings currentSettings(host::Session& session) {
    auto v = host::getSysvar(session, "UNDOCTL");
    return settingsFrom(v.ok() ? static_cast<int>(v->integer) : 53);
}

void storeSettings(host::Session& session, const Settings& settings) {
    bool group = session.hasDocument() && logOf(session.current()).groupOpen();
    auto value = host::SysvarValue::ofShort(undoctlOf(settings, group));
    (void)host::setSysvarInternal(session, "UNDOCTL", value);
}

} // namespace vma::undo
