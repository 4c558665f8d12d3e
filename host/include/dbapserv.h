// Services the host application gives the database layer: which database
// object-model calls work on.
#pragma once

#include "dbmain.h"

class AcDbHostApplicationServices {
public:
    virtual ~AcDbHostApplicationServices() = default;
    // The current document's database; nullptr when no document is open.
    virtual AcDbDatabase* workingDatabase() const = 0;
};

// Never null.
AcDbHostApplicationServices* acdbHostApplicationServices();
