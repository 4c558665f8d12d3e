// Range checks of typed numbers, shared by the checked prompts and the dialog
// tiles. A kind names the rule; the result is 0 for an accepted value and
// otherwise the code the caller turns into its message.
#pragma once

// Kinds: 0 above zero, 1 zero or above, 2 anything, 3 a colour number 1-255
// (integers: up to 255), 4 an angle within one turn in the AUNITS unit, 5 not
// zero. Types: 5001 real (value points at a double), 5003 short, 5010 long
// (an int32). Codes: the kind's failure code (1, 2, 3, 4 or 5), or -1 for an
// unknown kind of an integer, a type not listed or an angle unit not known.
int dv_check_value(int type, int kind, const void* value);
