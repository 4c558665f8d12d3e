// The module's one application object: its name, release, command table and
// module directory, and the hooks the command frame calls around every
// command. It exists from kInitAppMsg to kUnloadAppMsg.
#pragma once

#include "frame/command_entry.h"
#include "windows.h"

#include <cstdint>
#include <span>
#include <string>

struct DvArxApp;

// Called by the prologue first; the prologue ends at once when it returns 0.
using DvPreCommandHook = int (*)(DvArxApp& app);
// Called by the epilogue last.
using DvPostCommandHook = void (*)(DvArxApp& app);

struct DvArxApp {
    HMODULE module = nullptr;
    std::wstring name;         // command group, APPID and prefix of the frame's variables
    int32_t titleSection = 0;  // catalogue section of the titles and the header lines
    std::wstring releaseMajor; // "34"
    std::wstring releaseSuffix;
    std::span<const CommandEntry> table;
    int32_t registered = 0;
    std::wstring moduleDir; // platform folder stripped, with its trailing separator
    int32_t languages = 0;  // variants per catalogue line
    DvPreCommandHook preHook = nullptr;
    DvPostCommandHook postHook = nullptr;
    std::wstring helpFile;       // "VMAAPPS.HLP"
    int32_t firstCommandRun = 0; // set by the first framed command after a drawing load
    int32_t headerLine = 0;      // catalogue line of the command header template
};

// The application object while the module is loaded, else null.
DvArxApp* dv_app();

// Makes the application object (replacing one that exists): fields set, the
// module directory found, the catalogue opened from it and every row
// registered. Returns the object.
DvArxApp& dv_app_create(std::span<const CommandEntry> table, const wchar_t* name,
                        const wchar_t* releaseMajor, const wchar_t* releaseSuffix,
                        int32_t languages, int32_t titleSection);
// Deletes the application object.
void dv_app_destroy();

// Registers every row in row order (commands on the command stack under the
// application name, AutoLISP rows with acedDefun and acedRegFunc), then sets
// the registered flag and clears the first-command flag. Results of the
// single registrations are not checked: a refused row is simply missing.
void dv_app_register(DvArxApp& app);
// Adds the application name to the APPID table unless it is there.
void dv_app_register_name(const DvArxApp& app);
// Removes the command group from the command stack.
void dv_app_unregister(const DvArxApp& app);
