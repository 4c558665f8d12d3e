// Named objects of the run-time system: the system registry holds the
// command stack under ACRX_COMMAND_DOCK.
#pragma once

#include "adsdef.h"
#include "rxobject.h"

class AcRxDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDictionary);
    // The object stored under key (exact name), or nullptr.
    virtual AcRxObject* at(const ACHAR* key) const = 0;
};

// The process's registry of named services. Never null.
AcRxDictionary* acrxSysRegistry();
