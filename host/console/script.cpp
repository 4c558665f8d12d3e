#include "host/console/script.h"

#include "host/dcl/runtime.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/script_runner.h"
#include "host/lisp/lisp.h"

namespace vma::console {
namespace {

// The printed value as typed input: nil gives nothing to type, a string its
// text without the quotes the printer adds.
std::optional<std::wstring> asInput(const std::wstring& printed) {
    if (printed.empty() || printed == L"nil")
        return std::nullopt;
    if (printed.size() >= 2 && printed.front() == L'"' && printed.back() == L'"')
        return printed.substr(1, printed.size() - 2);
    return printed;
}

} // namespace

void connectLisp() {
    input::Engine::get().setLispHook(
        [](std::wstring_view expression) -> ErrorOr<input::LispAnswer> {
            std::wstring printed = lisp::evaluateText(expression);
            return input::LispAnswer{asInput(printed), printed};
        });
    input::CommandRegistry::get().setFinder(lisp::findCommandFunction);
    dcl::Runtime::get().setLispAction(lisp::dialogAction);
}

ErrorOr<void> runScript(std::string_view text) {
    return input::runScript(text);
}

} // namespace vma::console
