// Small helpers for file names, number formats and the command line.
#pragma once

#include <optional>
#include <string>

// The printf format for lengths (kind 101, precision from LUPREC) or angles
// (102, AUPREC): "%.<p>lf", or "%<width>.<p>lf" with a width. 0, or DV_FAILED
// for another kind or an unreadable variable.
int dv_number_format(std::wstring& out, int kind, int width);

// Finds a file by name (the default extension added when it has none) on the
// support path, beside the block directory #BLK, beside the running
// application's module or in its BLOKKEN folder: 0 with path, 1 not found. A
// name with a folder that does not exist is handed back as it is (0).
int dv_find_file(const wchar_t* name, const wchar_t* extension, std::wstring& path,
                 int longExtension);

// DWGPREFIX + DWGNAME with ".DWG"; nullopt when either cannot be read.
std::optional<std::wstring> dv_drawing_path();
// The folder (upper case, with its trailing separator) of the loaded module
// named base (.EXE, .ARX or .DLL); with strip, a last "x32" or "x64" level is
// dropped. nullopt when no such module is loaded.
std::optional<std::wstring> dv_module_dir(const wchar_t* base, int strip);

// 1 when the last 4 characters (10 with longExtension) hold a "." that is not
// the last character, before any folder separator; else 0.
int dv_has_extension(const wchar_t* name, int longExtension);
// Removes one trailing newline, then trailing blanks and tabs, then leading blanks.
void dv_trim(std::wstring& text);
void dv_trim(wchar_t* text);
// Asks for any input with "Press any key to continue..." and ignores it.
void dv_press_any_key();
// 1 while a dialog box is active (CMDACTIVE bit 8), else 0.
int dv_dialog_active();
