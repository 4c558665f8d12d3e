// The "Select objects:" loop of every command that works on a selection and
// of acedSSGet's interactive modes: picks (the object under the pick box, or
// an implied window on empty space: left to right Window, right to left
// Crossing), typed points, the W, C, L, P, ALL, R, A and U options, and
// entities or whole sets a program hands over. Enter ends it.
#pragma once

#include "host/db/filter.h"
#include "host/db/selection.h"

#include <string>

namespace vma::input {

struct SelectOptions {
    const host::Filter* filter = nullptr; // what does not pass is left out
    bool single = false;                  // the first action that selects something ends it
};

// RTNORM with what was selected (perhaps nothing), which also becomes the
// previous selection; RTCAN on Esc or when the input runs out.
int selectObjects(const SelectOptions& options, host::Selection& selection);

// Makes acedSSGet's interactive modes ask through selectObjects.
void connectInteractiveSelection();

} // namespace vma::input
