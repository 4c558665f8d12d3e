// The bodies the command table points at. Commands whose Parts are not built
// yet share one stand-in per kind of row: a framed command that does nothing
// inside the frame, a command outside the frame that does nothing, and an
// AutoLISP function that returns nil.
#pragma once

int vma_framed_standin();
int vma_unframed_standin();
int vma_lisp_standin();

// The debug-level command (outside the frame, so it works whatever state a
// failing command left behind).
int vma_debug_command();

// The three display toggles (outside the frame).
int vmablipm();
int vmahighl();
int vmaucsys();
