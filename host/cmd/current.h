// The current drawing as the text, layer and insert commands see it: its
// database, its system variables, the space new entities go into, and
// numbers written the way the command line shows defaults.
#pragma once

#include "host/base/error.h"
#include "host/cmd/prompts.h"
#include "host/db/database.h"
#include "host/sysvar/value.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

int64_t intVar(std::string_view name);
double realVar(std::string_view name);
std::string textVar(std::string_view name);
// As SETVAR does it: refused values leave the variable as it was.
ErrorOr<void> setVar(std::string_view name, const host::SysvarValue& value);

// Adds an entity list as addToDrawing does; a sub-entity (ATTRIB, SEQEND)
// goes after its main entity into the same block, after the same checks.
ErrorOr<db::EntityId> addEntity(db::GroupList groups, db::EntityId parent = db::kNoEntity);

// A distance or angle (degrees) in the drawing's precision, as in "<2.5000>".
std::wstring distanceText(double value);
std::wstring angleText(double degrees);

// A typed answer (blanks end it unless blanks is set); nullopt on Esc.
std::optional<std::wstring> askLine(std::wstring_view prompt, bool blanks = false);

// An option prompt asked again after each option until Enter, Esc, or an
// option that answers false (it was cancelled).
void repeatOptions(const wchar_t* keywords, std::wstring_view prompt,
                   const std::function<bool(const std::wstring&)>& option);

// Writes to the command line.
void print(std::wstring_view text);

// "Yes" or "No" from a [Yes/No] prompt with the given default; nullopt on Esc.
std::optional<bool> askYesNo(std::wstring_view prompt, bool byDefault);

} // namespace vma::cmd
