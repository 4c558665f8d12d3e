// Arguments of the user-input functions: an optional base point and an
// optional prompt message, in either order, nil standing for "not given".
#pragma once

#include "adsdef.h"
#include "host/lisp/value.h"

#include <string>

namespace vma::lisp {

struct PromptArgs {
    bool hasBase = false;
    ads_point base = {0, 0, 0};
    std::wstring message;
    bool hasMessage = false;

    // The prompt for the ADS call: nullptr when no message was given.
    const ACHAR* text() const { return hasMessage ? message.c_str() : nullptr; }
};

// Up to one message and, when points are taken, one point: a bad argument
// error for anything else, too many for more than two.
ErrorOr<PromptArgs> promptArgs(const Args& args, bool takesPoint);

// The error an Esc raises: the evaluation ends, *error* is told.
Error cancelled();

} // namespace vma::lisp
