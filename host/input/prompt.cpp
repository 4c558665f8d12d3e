#include "host/input/prompt.h"

#include "adscodes.h"
#include "host/db/session.h"
#include "host/input/commands.h"
#include "host/input/engine.h"

namespace vma::input {
namespace {

void echo(const InputEvent& event) {
    if (!Engine::get().echoes())
        return;
    if (event.kind == InputEvent::Kind::Text)
        say(event.text + L"\n");
}

int keyword(std::wstring value) {
    host::Session::get().lastInput() = std::move(value);
    return RTKWORD;
}

// 'NAME of a transparent command runs it; the prompt is asked again after.
bool runsTransparent(std::wstring_view text) {
    if (text.size() < 2 || text[0] != L'\'')
        return false;
    std::wstring_view name = text.substr(1);
    const CommandFn* fn = CommandRegistry::get().findTransparent(name);
    if (!fn)
        return false;
    runTransparent(name, *fn);
    return true;
}

} // namespace

void say(std::wstring_view text) {
    host::Session::get().print(text);
}

int ask(const Ask& a, const std::function<Reply(const InputEvent&)>& read) {
    host::Session::get().lastInput().clear();
    say(a.prompt);
    Request request = a.request;
    request.mayEnd = request.mayEnd || a.init.has(kMayEnd);
    for (;;) {
        auto event = Engine::get().next(request);
        if (!event || event->kind == InputEvent::Kind::Cancel) {
            say(L"*Cancel*\n");
            return RTCAN;
        }
        if (event->kind == InputEvent::Kind::Move && !a.request.pointer)
            continue;
        echo(*event);
        bool text = event->kind == InputEvent::Kind::Text;
        if (text && event->text.empty() && !a.enterIsValue) {
            if (!a.init.has(RSG_NONULL))
                return RTNONE;
            say(a.prompt);
            continue;
        }
        if (text && runsTransparent(event->text)) {
            say(a.prompt);
            continue;
        }
        if (text) {
            if (auto k = matchKeyword(a.init, event->text))
                return keyword(*k);
        }
        Reply reply = read(*event);
        if (reply.status != 0)
            return reply.status;
        if (text && a.init.has(RSG_OTHER) && !event->text.empty())
            return keyword(event->text);
        if (!reply.complaint.empty())
            say(reply.complaint + L"\n");
        say(reply.followUp.empty() ? a.prompt : std::wstring_view(reply.followUp));
    }
}

} // namespace vma::input
