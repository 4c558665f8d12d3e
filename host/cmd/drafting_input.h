// Small wrappers over the input functions for the built-in commands: points
// come back in world coordinates, texts as UTF-8, and every status that ends
// a command (Esc, input run out) as nullopt.
#pragma once

#include "host/db/database.h"
#include "host/geom/geom.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::cmd {

using geom::Vec3;

// The outcome of one prompt: a value, Enter, a keyword, or the end of the command.
template <class T> struct Response {
    enum class Kind { Value, Enter, Keyword, Cancel };
    Kind kind = Kind::Cancel;
    T value{};
    std::wstring keyword;

    bool isValue() const { return kind == Kind::Value; }
    bool cancelled() const { return kind == Kind::Cancel; }
    bool isKeyword(std::wstring_view k) const { return kind == Kind::Keyword && keyword == k; }
};

// A point (world coordinates); base is the rubber band's start (world).
Response<Vec3> promptPoint(std::wstring_view prompt, std::wstring_view keywords = {},
                           const std::optional<Vec3>& base = std::nullopt, int flags = 0);
// A direction (radians from the UCS X axis); Enter gives Kind::Enter.
Response<double> promptOrientation(std::wstring_view prompt);
Response<double> promptDistance(std::wstring_view prompt, int flags = 0);
// A line of text (blanks included when whole), in UTF-8; Enter is an empty value.
Response<std::string> promptText(std::wstring_view prompt, bool whole);
// One of the keywords; Enter gives Kind::Enter; with other, any other word comes
// back as a keyword too.
Response<std::wstring> promptKeyword(std::wstring_view prompt, std::wstring_view keywords,
                                     bool other = false);

// One object picked at the prompt (asked again after a miss); nullopt on
// Enter or when the command ends.
std::optional<db::EntityId> pickEntity(std::wstring_view prompt);

// The "Select objects:" loop (with another prompt when given); the entities
// chosen (perhaps none) when it ended with Enter, nullopt when the command
// ends there.
std::optional<std::vector<db::EntityId>> selectEntities(std::wstring_view prompt = {});

// An object picked with the point it was picked at (world coordinates).
struct Picked {
    db::EntityId id = 0;
    Vec3 point;
};
// One object picked at a prompt with keywords; a miss asks again.
Response<Picked> pickEntityAt(std::wstring_view prompt, std::wstring_view keywords);

// The UCS X and Y axes and origin in world coordinates.
struct UcsAxes {
    Vec3 origin, x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
};
UcsAxes currentUcs();
Vec3 ucsToWorld(const Vec3& ucs);

} // namespace vma::cmd
