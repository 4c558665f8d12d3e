#include "host/dxf/encoding.h"

#include "host/base/text.h"

namespace vma::dxf {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The UTF-16 unit of a \U+XXXX escape starting at s[i], or -1.
long escapeAt(std::string_view s, size_t i) {
    if (i + 7 > s.size() || s[i] != '\\' || (s[i + 1] != 'U' && s[i + 1] != 'u') || s[i + 2] != '+')
        return -1;
    long unit = 0;
    for (size_t k = i + 3; k < i + 7; ++k) {
        int digit = hexValue(s[k]);
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

bool isHighSurrogate(long u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(long u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void appendCodePoint(std::string& out, char32_t c) {
    out += wideToUtf8(std::wstring(1, static_cast<wchar_t>(c)));
}

void appendUnescaped(std::string& out, std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        long unit = escapeAt(s, i);
        if (unit < 0) {
            out += s[i++];
            continue;
        }
        i += 7;
        long low = isHighSurrogate(unit) ? escapeAt(s, i) : -1;
        if (isLowSurrogate(low)) {
            i += 7;
            appendCodePoint(
                out, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
            continue;
        }
        bool lone = isHighSurrogate(unit) || isLowSurrogate(unit);
        appendCodePoint(out, lone ? 0xFFFD : static_cast<char32_t>(unit));
    }
}

void appendUnit(std::string& out, unsigned unit) {
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(unit >> shift) & 0xF];
}

} // namespace

bool needsDecoding(std::string_view raw) {
    for (char c : raw)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\\')
            return true;
    return false;
}

bool decodeText(std::string_view raw, Encoding encoding, std::string& out) {
    bool valid = isValidUtf8(raw);
    if (valid) {
        appendUnescaped(out, raw);
        return true;
    }
    appendUnescaped(out, cp1252ToUtf8(raw));
    return encoding == Encoding::CodePage;
}

bool isPlainAscii(std::string_view text) {
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F)
            return false;
    }
    return true;
}

void appendEncoded(std::string& out, std::string_view utf8) {
    for (wchar_t wc : utf8ToWide(utf8)) {
        auto c = static_cast<char32_t>(wc);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += '^';
            out += static_cast<char>(c + 0x40);
        } else if (c >= 0x10000 && c <= 0x10FFFF) {
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, static_cast<unsigned>(c > 0x10FFFF ? 0xFFFD : c));
        }
    }
}

} // namespace vma::dxf
