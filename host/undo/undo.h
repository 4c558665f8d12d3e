// Undo for every document: each gets its log on the first command run on it,
// command runs bracket its steps and session variables report their changes
// to the current document's log.
#pragma once

#include "host/db/session.h"
#include "host/undo/undo_log.h"

namespace vma::undo {

// The document's log, attached to its database's journal on first use.
UndoLog& logOf(host::Document& doc);

// Connects command runs and variable changes to the logs. Calling it again is harmless.
void installUndo();

// Writes UNDOCTL for the current document (its group bit).
void refreshUndoctl(host::Session& session);

} // namespace vma::undo
