// The AutoLISP evaluator as the rest of the host uses it: scripts and the
// console evaluate text, the command engine finds C: functions.
#pragma once

#include "adsdlg.h"
#include "host/lisp/bridge.h"

#include <functional>
#include <string>
#include <string_view>

namespace vma::lisp {

// Evaluates text in the current document. Errors are printed (or given to
// *error*); the result is the printed form of the last value, empty after an error.
std::wstring evaluateText(std::wstring_view text);

// The command function C:NAME of the current document (name without the
// prefix, any case), as something the command engine calls; empty when none.
std::function<void()> findCommandFunction(std::wstring_view name);

// Evaluates a dialog tile's action text with $key, $value, $reason, $x and
// $y set from the packet, as the DCL runtime's AutoLISP action.
void dialogAction(const std::string& expression, ads_callback_packet& packet);

} // namespace vma::lisp
