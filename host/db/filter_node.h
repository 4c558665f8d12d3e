// The parsed form of a selection filter, shared by its parser and its evaluator.
#pragma once

#include "host/db/wcmatch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vma::host {

enum class Compare : uint8_t {
    Any,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    BitsAny, // (value & mask) != 0
    BitsAll, // (value & mask) == mask
};

// One group test. Points compare component by component (ops[0..2]); other
// values use ops[0]. negated turns the whole result: "!=" on a text or on a
// point given one operator means "not equal as a whole".
struct GroupTest {
    enum class Type : uint8_t { Text, Integer, Real, Point };
    int code = 0;
    Type type = Type::Integer;
    std::array<Compare, 3> ops{Compare::Equal, Compare::Equal, Compare::Equal};
    bool negated = false;
    int64_t integer = 0;
    std::array<double, 3> point{};
    std::optional<db::WcPattern> pattern; // texts
};

struct FilterNode {
    enum class Kind : uint8_t { And, Or, Xor, Not, Test, Xdata };
    Kind kind = Kind::And;
    std::vector<FilterNode> children;
    GroupTest test;
    std::vector<db::WcPattern> apps; // Xdata: every one must name an application present
};

} // namespace vma::host
