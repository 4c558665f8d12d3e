// Script lines that answer what opens next instead of a prompt: "#dlg ..."
// acts in a dialog (host/dcl/answers.h) and "#box BUTTON" presses a message
// box's button (ok, cancel, yes, no, abort, retry, ignore; any case). They
// are queued in script order wherever the script stands, so the dialog or
// box that opens next takes them; a dialog or box that finds its queue empty
// reads on in the script while the following lines are answer lines. At the
// terminal a dialog shows as a text form and asks at "Dialog>", a message box
// asks at "Button>".
#pragma once

#include "host/base/error.h"

#include <string_view>

namespace vma::input {

// Whether the line (blanks around it allowed) starts with #dlg or #box.
bool isAnswerLine(std::wstring_view line);
// Queues the answer the line gives; an Error saying what is wrong with it.
ErrorOr<void> queueAnswer(std::wstring_view line);
// Lets dialogs and message boxes with nothing queued ask the engine's
// current source. Idempotent.
void connectAnswers();

} // namespace vma::input
