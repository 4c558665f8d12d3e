// Settings are stored as text and read and written as typed values (ADS type
// codes RTREAL, RTPOINT, RTSHORT, RTSTR, RT3DPOINT, RTLONG); a described item
// may carry a validation rule, a range "LOW#HIGH" or a list "A,B;C".
#pragma once

#include "settings/ini_model.h"
#include "toolkit/dv_value.h"

#include <optional>
#include <string>
#include <string_view>

// The text of a value ("%lf", "%lf,%lf", "%d", the string, "%lf,%lf,%lf",
// "%ld"); nullopt for a type the store does not know.
std::optional<std::wstring> dv_ini_value_text(int type, const DvValue& value);

// The text read as type, with the statuses of dv_ini_get: 0; -32000 unknown
// type or a point missing a coordinate (the ones read are delivered, the
// others 0).
int dv_ini_text_value(std::wstring_view text, int type, DvValue& value);
// The same with the statuses of dv_ini_get_default: 0; 2 unknown type; -1 no
// first comma, -2 no second comma or nothing after the first, -3 nothing after
// the second.
int dv_ini_default_value(std::wstring_view text, int type, DvValue& value);
// The same for text from the registry: a 2D point needs one number, a 3D
// point two (z 0 when missing): 0; -32000 unknown type or too few numbers
// (those read are delivered, the others 0).
int dv_ini_registry_value(std::wstring_view text, int type, DvValue& value);

// 1 when the value (of valueType) passes the item's validation rule, else 0;
// 1 also for an item without rule or of a type the store does not know.
// With the switch set a rejected value is explained in a message box. A value
// given as text is read by the item's type; a number of another numeric type
// is compared by its value; a point value fails a number's range, a number or
// a text short of coordinates fails a point's; a string item compares the
// text the value would be stored as.
int dv_ini_validate(const IniItem& item, const DvValue& value, int valueType,
                    unsigned validationSwitch);
