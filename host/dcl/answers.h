// What a user does in a dialog, for dialogs that run without a screen. A
// script or the test driver queues actions; the running dialog takes them in
// order. One action per script line:
//
//   #dlg set <key> <text>        type text into an edit box (or a slider's value);
//                                the rest of the line, or a "quoted" text
//   #dlg pick <key> <i> [<j>..]  select list lines by zero-based index
//   #dlg double <key> <i>        double-click a list line
//   #dlg toggle <key>            flip a toggle
//   #dlg choose <key>            choose a radio button
//   #dlg click <key> <x> <y>     click an image button at pixel x, y
//   #dlg press <key>             press a button ("accept", "cancel", any key)
//   #dlg drag <key> <value>      move a slider without letting go
//   #dlg move <x> <y>            move the dialog on the screen
//   #dlg show                    write the dialog as a text form
//
// Keys are case-sensitive, as in DCL.
#pragma once

#include "host/base/error.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::dcl {

struct Action {
    enum class Kind { Set, Pick, Double, Toggle, Choose, Click, Press, Drag, Move, Show };
    Kind kind = Kind::Press;
    std::string key;
    std::string text;         // Set, Drag
    std::vector<int> indexes; // Pick, Double
    int x = 0, y = 0;         // Click, Move
};

// Whether a script line is a dialog directive (starts with "#dlg").
bool isDirective(std::string_view line);
// The action of a directive line; an Error saying what is wrong with it.
ErrorOr<Action> parseDirective(std::string_view line);
// The action written back as a directive, for the transcript.
std::string describe(const Action& action);

class DialogAnswers {
public:
    void push(Action action) { queue_.push_back(std::move(action)); }
    std::optional<Action> pop();
    bool empty() const { return queue_.empty(); }
    void clear() { queue_.clear(); }

private:
    std::deque<Action> queue_;
};

} // namespace vma::dcl
