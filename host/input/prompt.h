// The loop every input function runs: show the prompt, take the next answer,
// match keywords, hand the rest to the function's own reader, and on wrong
// input show the reader's complaint and ask again.
#pragma once

#include "host/input/event.h"
#include "host/input/keywords.h"

#include <functional>
#include <string>
#include <string_view>

namespace vma::input {

struct Reply {
    int status = 0;         // an RT* code; 0 asks again
    std::wstring complaint; // shown before asking again
    std::wstring followUp;  // shown instead of the prompt (" of " after a snap override)

    static Reply done(int status) { return {status, {}, {}}; }
    static Reply retry(std::wstring complaint) { return {0, std::move(complaint), {}}; }
    static Reply then(std::wstring followUp) { return {0, {}, std::move(followUp)}; }
};

struct Ask {
    std::wstring_view prompt;
    InitGet init;
    Request request;
    bool enterIsValue = false; // Enter goes to the reader (acedGetString) instead of RTNONE
};

// RTCAN on Esc or when the input runs out; RTNONE on Enter (unless
// RSG_NONULL asks again); RTKWORD for a keyword or, with RSG_OTHER, input the
// reader refused (acedGetInput gives it); otherwise what the reader answers.
int ask(const Ask& ask, const std::function<Reply(const InputEvent&)>& read);

// Writes text to the command line.
void say(std::wstring_view text);

} // namespace vma::input
