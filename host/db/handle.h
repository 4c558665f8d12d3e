// Database handles: 64-bit numbers written as upper-case hexadecimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vma::db {

using Handle = uint64_t;

std::string handleText(Handle h);
// Parses hexadecimal digits (either case); nullopt for anything else or zero digits.
std::optional<Handle> parseHandle(std::string_view text);

} // namespace vma::db
