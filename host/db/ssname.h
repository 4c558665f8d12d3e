// Names of selection sets (ads_name) of the platform API. The first number is
// the set's id in the session, never given out twice; the second a tag no
// database serial has, so a set name never passes for an entity name.
#pragma once

#include "adsdef.h"
#include "host/db/selection.h"

namespace vma::host {

void selectionSetName(int64_t id, ads_name out);
// The open set a name refers to; nullptr for a null, freed or foreign name.
Selection* resolveSelectionSet(const ads_name name);
// The id of the open set a name refers to, or 0.
int64_t selectionSetId(const ads_name name);

} // namespace vma::host
