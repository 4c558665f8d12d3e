#include "host/console/script.h"

#include "host/input/script_runner.h"

namespace vma::console {

ErrorOr<void> runScript(std::string_view text) {
    return input::runScript(text);
}

} // namespace vma::console
