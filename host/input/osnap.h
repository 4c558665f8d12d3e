// Object snaps: the point of an entity near a pick that a snap mode names.
// Modes are OSMODE bits; several at once give the candidate nearest the pick.
#pragma once

#include "host/db/database.h"
#include "host/input/event.h"

#include <optional>
#include <string_view>

namespace vma::input {

enum SnapMode : unsigned {
    kSnapEnd = 1,
    kSnapMid = 2,
    kSnapCen = 4,
    kSnapNod = 8,
    kSnapQua = 16,
    kSnapInt = 32,
    kSnapIns = 64,
    kSnapPer = 128,
    kSnapTan = 256,
    kSnapNea = 512,
    kSnapNone = 16384, // OSMODE's "running snaps suppressed" bit
};

// "_end,mid" and longer forms ("_midp", "endpoint"); nullopt for an unknown name.
// "NON"/"NONE" gives 0.
std::optional<unsigned> parseSnapModes(std::wstring_view text);

// The candidate nearest pick (world) within aperture (drawing units, measured
// in the world XY plane) of model-space entities; from is the point PER
// measures from. nullopt when nothing is there.
std::optional<Point> snapPoint(const db::Database& db, const Point& pick, double aperture,
                               unsigned modes, const std::optional<Point>& from);

// Drawing units per screen pixel of the current view (VIEWSIZE over the screen height).
double pixelSize();

} // namespace vma::input
