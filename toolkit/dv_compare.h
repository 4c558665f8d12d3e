// Comparing names as the CAD platform does: without regard to case.
#pragma once

#include <string_view>

bool dv_same_text(std::wstring_view a, std::wstring_view b);
bool dv_starts_with_text(std::wstring_view text, std::wstring_view prefix);
