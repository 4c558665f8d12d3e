#include "host/cmd/undo_commands.h"

#include "acedads.h"
#include "host/cmd/answers.h"
#include "host/cmd/current.h"
#include "host/db/session.h"
#include "host/input/prompt.h"
#include "host/undo/settings.h"
#include "host/undo/undo.h"

namespace vma::cmd {
namespace {

using undo::Control;
using undo::Settings;

constexpr std::wstring_view kControlPrompt =
    L"Enter an UNDO control option [All/None/One/Combine/Layer] <All>: ";

std::wstring_view controlName(Control c) {
    switch (c) {
    case Control::None:
        return L"None";
    case Control::One:
        return L"One";
    case Control::All:
        break;
    }
    return L"All";
}

std::wstring yes(bool on) {
    return on ? L"Yes" : L"No";
}

void sayCurrent(const Settings& s) {
    input::say(L"Current settings: Auto = " + std::wstring(s.autoMode ? L"On" : L"Off") +
               L", Control = " + std::wstring(controlName(s.control)) + L", Combine = " +
               yes(s.combineZoom) + L", Layer = " + yes(s.combineLayer) + L"\n");
}

// Every open drawing follows a new control setting at once.
void apply(const Settings& s) {
    host::Session& session = host::Session::get();
    for (const auto& doc : session.documents())
        if (doc->journal)
            undo::logOf(*doc).setControl(s.control);
    undo::storeSettings(session, s);
}

void sayUndone(const undo::UndoLog::Undone& undone, bool markFound) {
    std::wstring line;
    for (const auto& name : undone.names) {
        if (name.empty())
            continue;
        line += line.empty() ? L"" : L" ";
        line += name;
    }
    if (!line.empty())
        input::say(line + L"\n");
    if (markFound)
        input::say(L"Mark encountered\n");
    else if (undone.everything)
        input::say(L"Everything has been undone\n");
}

void combine(Settings& s, bool layer) {
    auto answer = layer ? askYesNo(L"Combine layer control operations? [Yes/No] <Yes>: ", true)
                        : askYesNo(L"Combine zoom and pan operations? [Yes/No] <Yes>: ", true);
    if (!answer)
        return;
    (layer ? s.combineLayer : s.combineZoom) = *answer;
    apply(s);
}

void control(Settings s) {
    auto option = askKeyword(kControlPrompt, L"All None One Combine Layer", L"All");
    if (!option)
        return;
    if (*option == L"Combine" || *option == L"Layer") {
        combine(s, *option == L"Layer");
        return;
    }
    Settings next = s.control == Control::All ? s : Settings{};
    next.control = *option == L"None"  ? Control::None
                   : *option == L"One" ? Control::One
                                       : Control::All;
    apply(next);
}

void autoMode(Settings s) {
    auto option = askKeyword(L"Enter UNDO Auto mode [ON/OFF] <On>: ", L"ON OFF", L"ON");
    if (!option)
        return;
    s.autoMode = *option == L"ON";
    apply(s);
}

void undoCount(int count) {
    auto undone = undo::logOf(host::Session::get().current()).undoSteps(count);
    sayUndone(undone, false);
}

void back() {
    undo::UndoLog& log = undo::logOf(host::Session::get().current());
    if (!log.hasMark()) {
        auto ok = askYesNo(L"This will undo everything. OK? <Y>: ", true);
        if (!ok || !*ok)
            return;
    }
    bool marked = log.hasMark();
    sayUndone(log.back(), marked);
}

void option(const std::wstring& keyword, const Settings& s) {
    undo::UndoLog& log = undo::logOf(host::Session::get().current());
    if (keyword == L"Auto")
        autoMode(s);
    else if (keyword == L"Control")
        control(s);
    else if (keyword == L"BEgin" || keyword == L"Group")
        log.beginGroup();
    else if (keyword == L"End")
        log.endGroup();
    else if (keyword == L"Mark")
        log.mark();
    else if (keyword == L"Back")
        back();
}

// The number or option of the UNDO prompt; in one-command mode only Control is offered.
void undoPrompt(const Settings& s) {
    bool one = s.control == Control::One;
    acedInitGet(RSG_NOZERO | RSG_NONEG,
                one ? L"Control" : L"Auto Control BEgin End Mark Back Group");
    int count = 1;
    int status = acedGetInt(one ? L"Enter the number of operations to undo or [Control] <1>: "
                                : L"Enter the number of operations to undo or "
                                  L"[Auto/Control/BEgin/End/Mark/Back] <1>: ",
                            &count);
    if (status == RTNORM || status == RTNONE) {
        undoCount(status == RTNONE ? 1 : count);
        return;
    }
    if (status != RTKWORD)
        return;
    ACHAR keyword[64] = {};
    acedGetInput(keyword, std::size(keyword));
    option(keyword, s);
}

void undoCommand() {
    host::Session& session = host::Session::get();
    Settings s = undo::currentSettings(session);
    sayCurrent(s);
    if (s.control == Control::None)
        control(s);
    else
        undoPrompt(s);
    undo::refreshUndoctl(session);
}

void uCommand() {
    host::Session& session = host::Session::get();
    if (undo::currentSettings(session).control == Control::None) {
        input::say(L"U command disabled. Use UNDO command to turn it on\n");
        return;
    }
    undoCount(1);
    undo::refreshUndoctl(session);
}

} // namespace

void addUndoCommands(input::CommandRegistry& registry) {
    undo::installUndo();
    registry.add(L"UNDO", undoCommand);
    registry.add(L"U", uCommand);
}

} // namespace vma::cmd
