#include "toolkit/dv_compare.h"

#include <algorithm>
#include <cwctype>

namespace {

bool sameChar(wchar_t x, wchar_t y) {
    return x == y || std::towupper(static_cast<wint_t>(x)) == std::towupper(static_cast<wint_t>(y));
}

} // namespace

bool dv_same_text(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameChar);
}

bool dv_starts_with_text(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && dv_same_text(text.substr(0, prefix.size()), prefix);
}
