// acedInitGet's settings: control bits and keyword lists. A keyword is typed
// as its capitals ("LType": LT, LTY ... LTYPE) or by its comma form
// ("LTYPE,LT"); a lone "_" splits local keywords from global ones at the same
// positions, and "_name" input matches the global names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::input {

struct Keyword {
    std::wstring local;  // as returned when no global list is given
    std::wstring abbrev; // upper-case shortest form; empty: the whole word
    std::wstring global;
};

// A host-only acedInitGet bit for the built-in commands: the command may end
// at this prompt, so a program whose answers ran out ends it with Enter
// instead of cancelling it.
constexpr int kMayEnd = 0x40000000;

struct InitGet {
    int flags = 0;
    std::vector<Keyword> keywords;

    bool has(int bit) const { return (flags & bit) != 0; }
};

InitGet parseInitGet(int flags, std::wstring_view list);
// The keyword the input names, as the caller gets it back (the global name), or nullopt.
std::optional<std::wstring> matchKeyword(const InitGet& init, std::wstring_view input);

} // namespace vma::input
