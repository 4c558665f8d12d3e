#include "host/console/script.h"

namespace vma::console {
namespace {

bool isIdle(std::string_view line) {
    size_t first = line.find_first_not_of(" \t\r\f\v");
    return first == std::string_view::npos || line[first] == ';';
}

} // namespace

ErrorOr<void> runScript(std::string_view text) {
    long number = 0;
    while (!text.empty()) {
        ++number;
        size_t end = text.find('\n');
        if (!isIdle(text.substr(0, end)))
            return Error::at(number, "scripts are not supported yet");
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return {};
}

} // namespace vma::console
