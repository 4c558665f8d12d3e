// Atoms of stored AutoLISP values put back into result buffers: shared by
// acedGetSym and the AutoLISP evaluator, so both hand out the same lists.
#pragma once

#include "adsdef.h"
#include "host/db/symbols.h"

namespace vma::host {

// The value of an atom into a fresh result buffer of its type (strings malloc'ed).
void fillResbuf(resbuf& rb, const LispAtom& atom);

} // namespace vma::host
