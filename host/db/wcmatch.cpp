#include "host/db/wcmatch.h"

#include "host/base/text.h"

#include <algorithm>
#include <string>

namespace vma::db {
namespace {

using Token = WcPattern::Token;
using Kind = Token::Kind;
constexpr size_t npos = std::wstring_view::npos;

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Letters of ASCII and Latin-1; beyond Latin-1 everything but the punctuation
// and symbol blocks counts as a letter, which is what names in drawings hold.
bool isLetter(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'))
        return true;
    if (c < 0xAA)
        return false;
    if (c <= 0xFF)
        return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
    return !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F);
}

// Index of the `]` closing the set opened at open, or npos when it is not closed.
// A `]` right after the `[` or `[~` is a member, not the end.
size_t setEnd(std::wstring_view p, size_t open) {
    size_t i = open + 1;
    if (i < p.size() && p[i] == L'~')
        ++i;
    if (i < p.size() && p[i] == L']')
        ++i;
    return p.find(L']', i);
}

std::vector<std::wstring_view> splitAlternatives(std::wstring_view p) {
    std::vector<std::wstring_view> parts;
    size_t start = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        if (p[i] == L'`') {
            ++i;
        } else if (p[i] == L'[') {
            size_t end = setEnd(p, i);
            if (end != npos)
                i = end;
        } else if (p[i] == L',') {
            parts.push_back(p.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(p.substr(start));
    return parts;
}

// Members between the brackets: everything is literal there; `-` makes a
// range except as the first or last member.
Token parseSet(std::wstring_view body) {
    Token set{Kind::Set};
    if (!body.empty() && body[0] == L'~') {
        set.negated = true;
        body.remove_prefix(1);
    }
    for (size_t k = 0; k < body.size();) {
        bool range = k + 2 < body.size() && body[k + 1] == L'-';
        set.ranges.push_back({body[k], range ? body[k + 2] : body[k]});
        k += range ? 3 : 1;
    }
    return set;
}

Token literal(wchar_t c) {
    Token t{Kind::Literal};
    t.literal = c;
    return t;
}

WcPattern::Alternative parseAlternative(std::wstring_view p) {
    WcPattern::Alternative alt;
    size_t i = 0;
    if (!p.empty() && p[0] == L'~') {
        alt.negated = true;
        i = 1;
    }
    for (; i < p.size(); ++i) {
        wchar_t c = p[i];
        switch (c) {
        case L'`':
            alt.tokens.push_back(literal(i + 1 < p.size() ? p[++i] : c));
            break;
        case L'#':
            alt.tokens.push_back({Kind::Digit});
            break;
        case L'@':
            alt.tokens.push_back({Kind::Letter});
            break;
        case L'.':
            alt.tokens.push_back({Kind::NonAlnum});
            break;
        case L'?':
            alt.tokens.push_back({Kind::AnyOne});
            break;
        case L'*':
            if (alt.tokens.empty() || alt.tokens.back().kind != Kind::AnyRun)
                alt.tokens.push_back({Kind::AnyRun});
            break;
        case L'[': {
            size_t end = setEnd(p, i);
            if (end == npos) {
                alt.tokens.push_back(literal(c));
                break;
            }
            alt.tokens.push_back(parseSet(p.substr(i + 1, end - i - 1)));
            i = end;
            break;
        }
        default:
            alt.tokens.push_back(literal(c));
        }
    }
    return alt;
}

void foldCase(WcPattern::Alternative& alt) {
    for (Token& t : alt.tokens) {
        t.literal = upperChar(t.literal);
        for (auto& r : t.ranges) {
            r.low = upperChar(r.low);
            r.high = upperChar(r.high);
        }
    }
}

bool inSet(const Token& set, wchar_t c) {
    for (const auto& r : set.ranges)
        if (c >= r.low && c <= r.high)
            return !set.negated;
    return set.negated;
}

bool matchesOne(const Token& t, wchar_t c) {
    switch (t.kind) {
    case Kind::Literal:
        return c == t.literal;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return isDigit(c);
    case Kind::Letter:
        return isLetter(c);
    case Kind::NonAlnum:
        return !isDigit(c) && !isLetter(c);
    case Kind::Set:
        return inSet(t, c);
    case Kind::AnyRun:
        return false;
    }
    return false;
}

// Single-character tokens and runs: on a mismatch the last run takes one more
// character, which finds a match when there is one without going exponential.
bool matchesTokens(const std::vector<Token>& tokens, std::wstring_view text) {
    size_t t = 0, p = 0, runAt = npos, runText = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p].kind == Kind::AnyRun) {
            runAt = p++;
            runText = t;
        } else if (p < tokens.size() && matchesOne(tokens[p], text[t])) {
            ++p;
            ++t;
        } else if (runAt != npos) {
            p = runAt + 1;
            t = ++runText;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == Kind::AnyRun)
        ++p;
    return p == tokens.size();
}

} // namespace

WcPattern::WcPattern(std::wstring_view pattern, WcCase mode) : mode_(mode) {
    for (std::wstring_view part : splitAlternatives(pattern)) {
        alternatives_.push_back(parseAlternative(part));
        if (mode == WcCase::Insensitive)
            foldCase(alternatives_.back());
    }
}

bool WcPattern::matches(std::wstring_view text) const {
    std::wstring folded;
    if (mode_ == WcCase::Insensitive) {
        folded = upperName(text);
        text = folded;
    }
    return matchesFolded(text);
}

bool WcPattern::matchesFolded(std::wstring_view text) const {
    for (const Alternative& alt : alternatives_)
        if (matchesTokens(alt.tokens, text) != alt.negated)
            return true;
    return false;
}

// Names and short texts in plain ASCII, the common case when a filter tests
// every entity of a drawing, are widened and folded on the stack.
bool WcPattern::matches(std::string_view utf8) const {
    constexpr size_t kShort = 128;
    bool ascii = utf8.size() <= kShort &&
                 std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii)
        return matches(std::wstring_view(utf8ToWide(utf8)));
    wchar_t buffer[kShort];
    bool fold = mode_ == WcCase::Insensitive;
    for (size_t i = 0; i < utf8.size(); ++i) {
        wchar_t c = static_cast<wchar_t>(utf8[i]);
        buffer[i] = fold && c >= L'a' && c <= L'z' ? c - (L'a' - L'A') : c;
    }
    return matchesFolded(std::wstring_view(buffer, utf8.size()));
}

bool wcMatch(std::wstring_view text, std::wstring_view pattern) {
    return WcPattern(pattern).matches(text);
}

bool wcMatch(std::string_view utf8, std::string_view pattern) {
    return WcPattern(utf8ToWide(pattern)).matches(utf8);
}

} // namespace vma::db
