// Which drawing is current, as an opaque value that stays the same for a
// drawing while it is open (also across SAVEAS) and differs between open
// drawings.
#pragma once

#include <cstdint>

struct DvDrawingKey {
    int64_t first = 0;
    int64_t second = 0;
    bool operator==(const DvDrawingKey&) const = default;
};

// The key of the current drawing; a zero key when no drawing is open.
DvDrawingKey dv_current_drawing_key();
