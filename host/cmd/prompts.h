// What the built-in commands ask, over the ADS input functions: each call
// sets its keywords and control bits for the one prompt and hands back the
// status with the value or the keyword.
#pragma once

#include "host/db/database.h"
#include "host/db/selection.h"
#include "host/input/event.h"

#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

using input::Point;

struct Answer {
    int status = 0;       // RTNORM, RTNONE (Enter), RTKWORD, RTCAN ...
    Point point{};        // a point in the UCS
    double value = 0;     // a number, distance or angle (radians)
    std::wstring keyword; // the keyword for RTKWORD

    bool ok() const;
    bool is(std::wstring_view k) const;
};

// keywords: an acedInitGet keyword list or nullptr; base: the rubber band's start (UCS).
Answer askPoint(std::wstring_view prompt, const wchar_t* keywords = nullptr,
                std::optional<Point> base = std::nullopt, int flags = 0);
Answer askDistance(std::wstring_view prompt, const wchar_t* keywords = nullptr,
                   std::optional<Point> base = std::nullopt, int flags = 0);
// A direction from base (ANGBASE counts), in radians.
Answer askAngle(std::wstring_view prompt, const wchar_t* keywords = nullptr,
                std::optional<Point> base = std::nullopt, int flags = 0);
Answer askKeyword(std::wstring_view prompt, const wchar_t* keywords, int flags = 0);

// UCS point to the world, and back.
Point toWorld(const Point& ucs);
// "0.0000" as LUNITS decimal numbers show in prompts.
std::wstring decimal(double v);

// The current drawing's database.
db::Database& drawing();

// "Select objects:" until Enter; nullopt when cancelled or nothing was selected.
std::optional<host::Selection> askObjects();

} // namespace vma::cmd
