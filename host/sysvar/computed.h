// Variables whose value the host derives on every read, from the session, the
// current document or the clock, and the few of them that can be set.
#pragma once

#include "host/base/error.h"
#include "host/sysvar/value.h"

namespace vma::host {

class Session;

SysvarValue acadVersion(Session&);
SysvarValue platformName(Session&);
SysvarValue currentCDate(Session&);
SysvarValue currentJulianDate(Session&);
SysvarValue documentName(Session&);
SysvarValue documentPrefix(Session&);
SysvarValue documentTitled(Session&);
SysvarValue documentModified(Session&);
SysvarValue tempPrefix(Session&);
SysvarValue worldUcs(Session&);
SysvarValue virtualScreenMin(Session&);
SysvarValue virtualScreenMax(Session&);

SysvarValue lastErrno(Session&);
ErrorOr<void> storeErrno(Session&, const SysvarValue&);

// CECOLOR: "BYLAYER", "BYBLOCK" or the colour number, kept in the header as $CECOLOR (62).
SysvarValue currentColor(Session&);
ErrorOr<void> storeColor(Session&, const SysvarValue&);

} // namespace vma::host
