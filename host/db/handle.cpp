#include "host/db/handle.h"

#include <charconv>

namespace vma::db {

std::string handleText(Handle h) {
    char buffer[17];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, h, 16);
    std::string out(buffer, end);
    for (char& c : out)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 32);
    return out;
}

std::optional<Handle> parseHandle(std::string_view text) {
    if (text.empty() || text.size() > 16)
        return std::nullopt;
    Handle h = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), h, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return h;
}

} // namespace vma::db
