// Reading one point at a prompt: typed coordinates, picks with running
// object snaps (OSMODE) and snap overrides typed before the point.
#pragma once

#include "host/input/keywords.h"
#include "host/input/prompt.h"
#include "host/input/values.h"

#include <optional>

namespace vma::input {

class PointReader {
public:
    // base: the point a rubber band starts from (UCS), the one PER measures from.
    PointReader(const InitGet& init, std::optional<Point> base);

    // Done (RTNORM) with value() set, or a retry with the complaint.
    Reply read(const InputEvent& event, std::wstring_view complaint);
    const Point& value() const { return value_; } // UCS
    const Point& world() const { return world_; }
    const Units& units() const { return units_; }

private:
    Point snapped(const Point& world, bool picked) const;
    Reply accept(const Point& world);

    const InitGet& init_;
    std::optional<Point> base_;
    Units units_;
    std::optional<unsigned> override_;
    Point value_{}, world_{};
};

} // namespace vma::input
