// Wildcard patterns as the CAD program matches names and texts: `#` a digit,
// `@` a letter, `.` anything but a letter or digit, `*` any run, `?` any one
// character, `[...]` one of (with `a-z` ranges), `[~...]` none of, a leading
// `~` negates, `,` separates alternatives and a backquote takes the next
// character literally. Each alternative carries its own `~`, so "~A,B" is
// (not A) or B, and excluding several names needs "~[AB]" or a NOT group.
#pragma once

#include <string_view>
#include <vector>

namespace vma::db {

enum class WcCase { Sensitive, Insensitive };

// A pattern parsed once and matched many times (filters test every entity).
class WcPattern {
public:
    explicit WcPattern(std::wstring_view pattern, WcCase mode = WcCase::Sensitive);

    bool matches(std::wstring_view text) const;
    bool matches(std::string_view utf8) const;

    struct Range {
        wchar_t low, high;
    };
    struct Token {
        enum class Kind { Literal, AnyOne, AnyRun, Digit, Letter, NonAlnum, Set };
        Kind kind = Kind::Literal;
        wchar_t literal = 0;
        bool negated = false;      // sets: none of
        std::vector<Range> ranges; // sets: single characters are ranges of one
    };
    struct Alternative {
        bool negated = false;
        std::vector<Token> tokens;
    };

private:
    bool matchesFolded(std::wstring_view text) const; // text folded as the mode asks

    std::vector<Alternative> alternatives_;
    WcCase mode_;
};

// Case-sensitive, as acutWcMatch and the LISP wcmatch compare.
bool wcMatch(std::wstring_view text, std::wstring_view pattern);
bool wcMatch(std::string_view utf8, std::string_view pattern);

} // namespace vma::db
