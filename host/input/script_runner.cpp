#include "host/input/script_runner.h"

#include "host/base/text.h"
#include "host/input/answers.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"
#include "host/input/script_source.h"

namespace vma::input {
namespace {

// "_LINE", ".LINE", "'ZOOM": language and redefinition prefixes name the same command.
std::wstring_view bareName(std::wstring_view token) {
    while (!token.empty() && (token[0] == L'_' || token[0] == L'.' || token[0] == L'\''))
        token.remove_prefix(1);
    return token;
}

// The command prompt until the source runs out.
void commandLoop(bool fromScript) {
    Request request;
    request.commandPrompt = true;
    Engine& engine = Engine::get();
    for (;;) {
        say(kCommandPrompt);
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
        std::wstring_view name = bareName(event->text);
        CommandFn fn = CommandRegistry::get().lookup(name);
        if (!fn) {
            say(L"Unknown command \"" + upperName(name) + L"\".  Press F1 for help.\n");
            continue;
        }
        runCommand(name, fn, fromScript);
    }
}

// Keeps the source on the engine for as long as it runs.
class Pushed {
public:
    explicit Pushed(std::unique_ptr<InputSource> source) { Engine::get().push(std::move(source)); }
    ~Pushed() { Engine::get().pop(); }
    Pushed(const Pushed&) = delete;
    Pushed& operator=(const Pushed&) = delete;
};

} // namespace

ErrorOr<void> runScript(std::string_view text) {
    connectAnswers();
    auto owned = std::make_unique<ScriptSource>(utf8ToWide(text));
    ScriptSource* source = owned.get();
    {
        Pushed pushed(std::move(owned));
        commandLoop(true);
        if (long line = source->unbalancedLine())
            return Error::at(line, "an AutoLISP expression is not closed at the end of the script");
    }
    return {};
}

void runInteractive(std::istream& in) {
    connectAnswers();
    Pushed pushed(terminalSource(in));
    commandLoop(false);
}

} // namespace vma::input
