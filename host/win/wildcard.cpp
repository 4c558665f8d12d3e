#include "host/win/wildcard.h"

#include "host/base/text.h"

namespace vma::win {
namespace {

bool sameChar(wchar_t a, wchar_t b) {
    return upperChar(a) == upperChar(b);
}

// Greedy match with one backtrack point: the last '*' seen.
bool matches(std::wstring_view pattern, std::wstring_view name) {
    size_t p = 0, n = 0, star = std::wstring_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            resume = n;
            continue;
        }
        if (p < pattern.size() && (pattern[p] == L'?' || sameChar(pattern[p], name[n]))) {
            ++p;
            ++n;
            continue;
        }
        if (star == std::wstring_view::npos)
            return false;
        p = star + 1;
        n = ++resume;
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesFilePattern(std::wstring_view pattern, std::wstring_view name) {
    if (pattern.ends_with(L".*") && name.find(L'.') == std::wstring_view::npos)
        return matches(pattern.substr(0, pattern.size() - 2), name);
    return matches(pattern, name);
}

} // namespace vma::win
