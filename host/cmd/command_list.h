// The command engine behind acedCmdS: a list of answers put on the input
// engine as the top source, the commands it names run one after the other.
#pragma once

#include "host/input/event.h"

#include <deque>

namespace vma::cmd {

struct Argument {
    input::InputEvent event;
    bool pause = false; // PAUSE: the answer comes from the source below

    static Argument answer(input::InputEvent e) { return {std::move(e), false}; }
    static Argument userPause() { return {{}, true}; }
};

// Runs the commands the arguments name. RTNORM when all ran to their end;
// RTCAN when one was still asking when the arguments ran out or Esc came;
// RTERROR for an unknown command or a command name that is not text.
int runCommandList(std::deque<Argument> arguments);

} // namespace vma::cmd
