// The coordinate systems the UCS command makes, as frames in the WCS, and the
// drawing's current UCS kept in UCSORG, UCSXDIR, UCSYDIR and UCSNAME.
#pragma once

#include "host/db/frames.h"
#include "host/db/session.h"

#include <array>
#include <optional>
#include <string_view>

namespace vma::cmd {

using Vec3 = std::array<double, 3>;

// The frame turned by angle (radians, right-handed) about its own X (0), Y (1) or Z (2) axis.
host::Frame rotatedAbout(const host::Frame& frame, int axis, double angle);
// Origin and a point on the positive X axis, and optionally one in the XY plane
// on the positive Y side (WCS). nullopt when the points make no axes.
std::optional<host::Frame> frameThrough(const Vec3& origin, const std::optional<Vec3>& onX,
                                        const std::optional<Vec3>& onXY, const host::Frame& old);
// Origin and a point on the positive Z axis (WCS); X and Y by the arbitrary-axis rule.
std::optional<host::Frame> frameAlongZ(const Vec3& origin, const Vec3& onZ);

// The current drawing's UCS, and its name ("" when unnamed).
host::Frame currentUcs(host::Session& session);
// Makes the frame the current drawing's UCS under the name ("" for none).
void storeUcs(host::Session& session, const host::Frame& frame, std::string_view name);
bool isWorld(const host::Frame& frame);

Vec3 toWorldPoint(const host::Frame& frame, const Vec3& p);

} // namespace vma::cmd
