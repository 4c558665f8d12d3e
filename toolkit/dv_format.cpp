#include "toolkit/dv_format.h"

#include <algorithm>
#include <cwchar>
#include <optional>
#include <vector>

namespace {

constexpr long kMaxField = 1000;

// One conversion as written: "%", flags, width, precision, length, letter.
struct Conversion {
    std::wstring_view written;
    std::wstring flags;
    long width = -1;
    long precision = -1;
    std::wstring length;
    wchar_t letter = 0;
    bool star = false;
};

bool isFlag(wchar_t c) {
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isLength(wchar_t c) {
    return c == L'h' || c == L'l' || c == L'L' || c == L'q' || c == L'j' || c == L'z' || c == L't';
}

// Reads digits (or a star) at pos; -1 when there are none.
long readNumber(std::wstring_view text, size_t& pos, bool& star) {
    if (pos < text.size() && text[pos] == L'*') {
        star = true;
        ++pos;
        return -1;
    }
    if (pos >= text.size() || !isDigit(text[pos]))
        return -1;
    long value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = std::min(value * 10 + (text[pos] - L'0'), kMaxField + 1);
        ++pos;
    }
    return value;
}

// Parses the conversion starting at text[start] == '%'; nullopt when the
// format ends inside it.
std::optional<Conversion> parse(std::wstring_view text, size_t start) {
    Conversion c;
    size_t pos = start + 1;
    while (pos < text.size() && isFlag(text[pos]))
        c.flags += text[pos++];
    c.width = readNumber(text, pos, c.star);
    if (pos < text.size() && text[pos] == L'.') {
        ++pos;
        c.precision = readNumber(text, pos, c.star);
        if (c.precision < 0 && !c.star)
            c.precision = 0;
    }
    while (pos < text.size() && isLength(text[pos]))
        c.length += text[pos++];
    if (pos >= text.size())
        return std::nullopt;
    c.letter = text[pos];
    c.written = text.substr(start, pos + 1 - start);
    return c;
}

bool isIntegerLetter(wchar_t c) {
    return std::wstring_view(L"diuoxXc").find(c) != std::wstring_view::npos;
}
bool isRealLetter(wchar_t c) {
    return std::wstring_view(L"fFeEgGaA").find(c) != std::wstring_view::npos;
}
bool isStringLetter(wchar_t c) {
    return c == L's' || c == L'S';
}
bool isInteger(int type) {
    return type == RTSHORT || type == RTLONG;
}

bool fits(const Conversion& c, const DvArg& arg) {
    if (c.star || c.width > kMaxField || c.precision > kMaxField)
        return false;
    if (isIntegerLetter(c.letter))
        return isInteger(arg.type);
    if (isRealLetter(c.letter))
        return arg.type == RTREAL;
    if (isStringLetter(c.letter))
        return arg.type == RTSTR;
    return false;
}

std::wstring placeholder(const Conversion& c) {
    return L"<" + std::wstring(c.written) + L"?>";
}

std::wstring libraryFormat(const Conversion& c, std::wstring_view length, wchar_t letter) {
    std::wstring out = L"%" + c.flags;
    if (c.width >= 0)
        out += std::to_wstring(c.width);
    if (c.precision >= 0)
        out += L"." + std::to_wstring(c.precision);
    out += length;
    out += letter;
    return out;
}

// Room for the widest output a checked conversion can make: its width or
// precision (at most kMaxField each), the digits of the largest double, and
// the whole string of a %s.
size_t room(const Conversion& c, const DvArg& arg) {
    const long fields = std::max(c.width, 0L) + std::max(c.precision, 0L);
    return static_cast<size_t>(fields) + arg.text.size() + 400;
}

// One conversion printed by the C library in a single call; a conversion the
// library refuses (a character it cannot encode) shows as the placeholder.
template <typename T>
std::wstring print(const Conversion& c, const DvArg& arg, const std::wstring& format, T value) {
    std::vector<wchar_t> buffer(room(c, arg));
    const int n = std::swprintf(buffer.data(), buffer.size(), format.c_str(), value);
    if (n < 0)
        return L"<" + std::wstring(c.written) + L"?>";
    return std::wstring(buffer.data(), static_cast<size_t>(n));
}

// The value narrowed to T and widened again; every branch below yields long
// long, so a conditional never mixes a signed and an unsigned operand (which
// would make a negative value unsigned).
template <typename T> long long through(long long v) {
    return static_cast<long long>(static_cast<T>(v));
}

// An integer as C's length modifiers narrow it.
long long narrowed(const Conversion& c, long long v) {
    const bool isSigned = c.letter == L'd' || c.letter == L'i';
    if (c.length == L"hh")
        return isSigned ? through<signed char>(v) : through<unsigned char>(v);
    if (c.length == L"h")
        return isSigned ? through<short>(v) : through<unsigned short>(v);
    if (c.length.empty())
        return isSigned ? through<int>(v) : through<unsigned>(v);
    return v;
}

std::wstring render(const Conversion& c, const DvArg& arg) {
    if (c.letter == L'c')
        return print(c, arg, libraryFormat(c, L"l", L'c'), static_cast<wint_t>(arg.integer));
    if (isIntegerLetter(c.letter))
        return print(c, arg, libraryFormat(c, L"ll", c.letter), narrowed(c, arg.integer));
    if (isRealLetter(c.letter))
        return print(c, arg, libraryFormat(c, L"", c.letter), arg.real);
    return print(c, arg, libraryFormat(c, L"l", L's'), arg.text.c_str());
}

} // namespace

std::wstring dv_format(std::wstring_view format, std::span<const DvArg> args) {
    std::wstring out;
    size_t next = 0;
    size_t pos = 0;
    while (pos < format.size()) {
        if (format[pos] != L'%') {
            out += format[pos++];
            continue;
        }
        if (pos + 1 < format.size() && format[pos + 1] == L'%') {
            out += L'%';
            pos += 2;
            continue;
        }
        auto conversion = parse(format, pos);
        if (!conversion) {
            out += L"<" + std::wstring(format.substr(pos)) + L"?>";
            break;
        }
        pos += conversion->written.size();
        const bool have = next < args.size();
        const DvArg none;
        const DvArg& arg = have ? args[next] : none;
        if (have)
            ++next;
        out += fits(*conversion, arg) ? render(*conversion, arg) : placeholder(*conversion);
    }
    return out;
}
