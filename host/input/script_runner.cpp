#include "host/input/script_runner.h"

#include "host/base/text.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"
#include "host/input/script_source.h"

namespace vma::input {
namespace {

// The command prompt until the source runs out.
void commandLoop(bool fromScript) {
    Request request;
    request.commandPrompt = true;
    Engine& engine = Engine::get();
    for (;;) {
        say(L"Command: ");
        auto event = engine.next(request);
        if (!event) {
            say(L"\n");
            return;
        }
        if (event->kind != InputEvent::Kind::Text || event->text.empty()) {
            say(L"\n");
            continue;
        }
        if (engine.echoes())
            say(event->text + L"\n");
        std::wstring_view name = bareCommandName(event->text);
        const CommandFn* fn = CommandRegistry::get().find(name);
        if (!fn) {
            sayUnknownCommand(name);
            continue;
        }
        runCommand(name, *fn, fromScript);
    }
}

} // namespace

ErrorOr<void> runScript(std::string_view text) {
    auto owned = std::make_unique<ScriptSource>(utf8ToWide(text));
    ScriptSource* source = owned.get();
    {
        ScopedSource pushed(std::move(owned));
        commandLoop(true);
        if (long line = source->unbalancedLine())
            return Error::at(line, "an AutoLISP expression is not closed at the end of the script");
    }
    return {};
}

void runInteractive(std::istream& in) {
    ScopedSource pushed(terminalSource(in));
    commandLoop(false);
}

} // namespace vma::input
