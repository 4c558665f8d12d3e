// Save/restore pairs that commands put around their work so the drawing is
// left as they found it: saved system variables, the current layer, the
// object-snap mode and the angle units, kept in the drawing variable store of
// the current drawing.
#pragma once

// Saves the variable's present value (also when it cannot be read) and sets
// the new one: 0, or DV_FAILED when the new value is refused (the save stays,
// so the matching pop still restores).
int dv_push_sysvar_int(const wchar_t* name, int value);
int dv_push_sysvar_real(const wchar_t* name, double value);
// Restores the newest saved value of that variable; nothing without one.
void dv_pop_sysvar(const wchar_t* name);

// Stacks CLAYER; restores (and unstacks) the newest saved layer.
void dv_save_layer();
void dv_restore_layer();
// Changes the newest saved layer, so the frame restores that one instead:
// 0, or -1 when nothing is saved.
int dv_replace_saved_layer(const wchar_t* name);

// Stacks OSMODE and turns object snaps off; restores the newest saved mode.
void dv_save_osnap();
void dv_restore_osnap();

// One-level save of AUNITS, which is set to radians (3); a second save before
// the restore changes nothing.
void dv_save_aunits();
void dv_restore_aunits();
// Gives the present AUNITS and sets radians without saving anything: 0.
int dv_aunits_radians(int& old);
