#include "host/console/script.h"

#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "host/lisp/lisp.h"

namespace vma::console {
namespace {

// The printed value as typed input: nil gives nothing to type, a string its
// text without the quotes the printer adds.
std::optional<std::wstring> asInput(std::wstring printed) {
    if (printed.empty() || printed == L"nil")
        return std::nullopt;
    if (printed.size() >= 2 && printed.front() == L'"' && printed.back() == L'"')
        return printed.substr(1, printed.size() - 2);
    return printed;
}

} // namespace

void connectLisp() {
    input::Engine::get().setLispHook(
        [](std::wstring_view expression) -> ErrorOr<std::optional<std::wstring>> {
            return asInput(lisp::evaluateText(expression));
        });
}

ErrorOr<void> runScript(std::string_view text) {
    return input::runScript(text);
}

} // namespace vma::console
