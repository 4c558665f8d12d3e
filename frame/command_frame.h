// The frame every command body of the module runs in: a prologue that saves
// and neutralises the drawing environment and prints the command header, and
// an epilogue that restores the environment, also when an exception leaves
// the body.
#pragma once

#include "frame/app.h"

// Saves CMDECHO, BLIPMODE and ATTDIA (set to 0), opens an undo group, saves
// the current layer and records the running row, for a modal command row;
// prints the header for it. The pre-command hook runs first and can end the
// prologue by returning 0.
void dv_prologue(DvArxApp& app);
// Undoes the prologue's work for a modal command row, then calls the
// post-command hook.
void dv_epilogue(DvArxApp& app);

// Runs body inside the frame of the application object: prologue, body,
// acedRetVoid, epilogue. An exception leaving the body runs the epilogue and
// is then reported on the command line; it never leaves this call. Without
// an application object the body runs alone. 0.
int dv_run_framed(void (*body)());

// A command row's function whose body runs inside the frame.
template <void (*Body)()> int dv_framed_command() {
    return dv_run_framed(Body);
}
