// The naming rules of settings files: paths and handles, the order of
// described items, and the spelling of hidden sections.
#pragma once

#include <string>
#include <string_view>

// Sections renamed so by deletion are never written, copied or found again.
constexpr std::wstring_view kDeletedPrefix = L"**DELETED** ";
// Items before the first section header live here; written without header.
constexpr std::wstring_view kDummySection = L"### Dummy Rubriek ###";

// Handles hold at most this many characters.
constexpr size_t kHandleLimit = 79;

// The path of a settings file: trailing newline, blanks and tabs removed,
// ".INI" appended when the name has no extension of one to three characters.
std::wstring ini_file_path(std::wstring_view path);
// The handle of a file path (after the last '\', '/' or ':') or of a registry
// key path (after the last '\' or '/').
std::wstring ini_handle(std::wstring_view path, bool registry);
// Case-insensitive order in which a number at the first place where both
// names hold one counts by value, so that Item2 comes before Item10.
bool ini_natural_less(std::wstring_view a, std::wstring_view b);
bool ini_is_deleted(std::wstring_view section);
// True when the text from the name's last '.' is ".INI" (any case).
bool ini_has_ini_extension(std::wstring_view name);
