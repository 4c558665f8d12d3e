// How the settings store's AutoLISP functions pick a value type from an
// argument: the type t:get_ini reads as, and the typed value t:set_ini stores.
#pragma once

#include "adsdef.h"
#include "toolkit/dv_value.h"

#include <optional>

// The read type chosen by t:get_ini's optional argument (null: absent).
// Integers 0-4 name string, integer, real, 2D point, 3D point (other integers:
// integer); a real, a point or a long integer names its own kind; anything
// else reads a string.
int ini_lisp_read_type(const resbuf* selector);

struct IniLispStored {
    int type;
    DvValue value;
};
// The value t:set_ini stores for an argument: reals, 2D and 3D points,
// integers (stored as RTSHORT) and strings; nothing for any other type.
std::optional<IniLispStored> ini_lisp_stored_value(const resbuf& given);
