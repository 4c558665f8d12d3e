// Windows-1252, the ANSI code page of the catalogue and profile files.
#pragma once

#include <string>
#include <string_view>

// Each byte as its Windows-1252 character (the five unassigned bytes keep
// their own code, as Windows converts them).
std::wstring dv_cp1252_to_wide(std::string_view bytes);
