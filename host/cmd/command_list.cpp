#include "host/cmd/command_list.h"

#include "adscodes.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

namespace vma::cmd {
namespace {

using input::InputEvent;

bool commandEcho() {
    auto v = host::getSysvar(host::Session::get(), "CMDECHO");
    return !v.ok() || v->integer != 0;
}

// The arguments of one call; a PAUSE reads from the source underneath.
class ArgumentSource : public input::InputSource {
public:
    explicit ArgumentSource(std::deque<Argument> arguments)
        : arguments_(std::move(arguments)), echo_(commandEcho()) {}

    std::optional<InputEvent> next(const input::Request& request) override {
        if (arguments_.empty() && request.mayEnd)
            return InputEvent::typed(L"");
        if (arguments_.empty()) {
            starved_ = true;
            return std::nullopt;
        }
        Argument argument = std::move(arguments_.front());
        arguments_.pop_front();
        std::optional<InputEvent> event = std::move(argument.event);
        if (argument.pause)
            event = input::Engine::get().nextBelow(this, request);
        if (!event || event->kind == InputEvent::Kind::Cancel)
            cancelled_ = true;
        return event;
    }
    bool echoes() const override { return echo_; }

    bool exhausted() const { return arguments_.empty(); }
    // A command asked after the last argument, or Esc came: it was cancelled.
    bool interrupted() const { return starved_ || cancelled_; }

private:
    std::deque<Argument> arguments_;
    bool echo_;
    bool starved_ = false;
    bool cancelled_ = false;
};

} // namespace

int runCommandList(std::deque<Argument> arguments) {
    auto owned = std::make_unique<ArgumentSource>(std::move(arguments));
    ArgumentSource& source = *owned;
    input::ScopedSource scope(std::move(owned));
    input::Request request;
    request.commandPrompt = true;
    while (!source.exhausted()) {
        auto event = input::Engine::get().next(request);
        if (!event || event->kind == InputEvent::Kind::Cancel)
            return RTCAN;
        if (event->kind != InputEvent::Kind::Text)
            return RTERROR;
        if (event->text.empty())
            continue;
        std::wstring_view name = input::bareCommandName(event->text);
        const input::CommandFn* found = input::CommandRegistry::get().find(name);
        if (!found) {
            input::sayUnknownCommand(name);
            return RTERROR;
        }
        input::CommandFn fn = *found; // the command may change the registry
        if (source.echoes())
            input::say(L"Command: " + event->text + L"\n");
        input::runCommand(name, fn, false);
        if (source.interrupted())
            return RTCAN;
    }
    return RTNORM;
}

} // namespace vma::cmd
