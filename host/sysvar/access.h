// Reading and setting system variables by name, wherever each one lives: the
// session table, the current drawing's header or viewport, or the host's state.
#pragma once

#include "host/base/error.h"
#include "host/sysvar/value.h"

#include <functional>
#include <string_view>

namespace vma::host {

class Session;

// The value of a variable (name in any case), of the variable's own type;
// an Error for an unknown name.
ErrorOr<SysvarValue> getSysvar(Session& session, std::string_view name);

// Sets a variable as acedSetVar and SETVAR do. Refuses an unknown name, a
// read-only variable, a value of the wrong type and a value out of range;
// nothing changes on refusal. An integer is accepted for a real variable and
// a 2D point for a 3D one (Z = 0), and the other way round.
ErrorOr<void> setSysvar(Session& session, std::string_view name, const SysvarValue& value);

// As setSysvar, for the host's own bookkeeping (CMDNAMES, CMDACTIVE, UNDOCTL,
// the UCS and extents in the header): read-only variables are set too, except
// those computed on every read.
ErrorOr<void> setSysvarInternal(Session& session, std::string_view name, const SysvarValue& value);

// Told before a session or registry variable that users may set takes a
// different value, with the value it had: the undo log keeps it. Drawing
// variables need none, their changes reach the drawing's journal.
using SysvarWatcher = std::function<void(std::string_view name, const SysvarValue& before)>;
void setSysvarWatcher(SysvarWatcher watcher);

} // namespace vma::host
