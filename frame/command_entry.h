// One row of the module's command table. The row index is the function code
// under which the row is registered (addCommand and acedDefun) and which the
// CAD program hands back through acedGetFunCode, so the order of the rows is
// part of the module's interface.
#pragma once

#include <cstdint>

// The body of a command or an AutoLISP function of the module.
using DvCommandFn = int (*)();

struct CommandEntry {
    int32_t titleLine;       // line of the command's title in catalogue section 1
    wchar_t releaseMinor[6]; // joined to the release major: "34.92"
    int32_t kind;            // kLispKind for an AutoLISP function, else a command
    const wchar_t* name;     // command name, or the AutoLISP name as registered
    DvCommandFn function;    // the body
    int32_t commandFlags;    // addCommand flags; bit 0 also skips the frame's environment work
};

inline constexpr int32_t kLispKind = -1;
inline constexpr int32_t kCommandKind = 0;
inline constexpr int32_t kModalCommand = 0;
inline constexpr int32_t kTransparentCommand = 1;

inline bool isLispRow(const CommandEntry& row) {
    return row.kind == kLispKind;
}

// A command that gets the frame's environment handling and header: a command
// row whose flags do not make it transparent.
inline bool isModalCommandRow(const CommandEntry& row) {
    return !isLispRow(row) && (row.commandFlags & kTransparentCommand) == 0;
}
