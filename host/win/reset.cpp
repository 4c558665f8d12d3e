// The Windows stand-ins start over with the session (a new run of the
// program): registry handles closed and the file read again, no message-box
// answers queued, no keys down, no message filters.
#include "host/db/session.h"
#include "host/win/answers.h"
#include "host/win/keyboard.h"
#include "host/win/registry.h"

namespace vma::win {
namespace {

void resetWindows() {
    Registry::get().unload();
    MessageBoxAnswers::get().clear();
    Keyboard::get().clear();
}

[[maybe_unused]] const bool registered = [] {
    host::Session::get().addResetHook(resetWindows);
    return true;
}();

} // namespace
} // namespace vma::win
