#include "host/geom/text_codes.h"

#include "host/base/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vma::geom {
namespace {

void appendCodePoint(std::string& out, char32_t c) {
    out += wideToUtf8(std::wstring(1, static_cast<wchar_t>(c)));
}

// \U+XXXX at text[i]: the length consumed (7) after appending, or 0.
size_t unicodeEscape(std::string_view text, size_t i, std::string& out) {
    if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') ||
        text[i + 2] != '+')
        return 0;
    unsigned value = 0;
    auto r = std::from_chars(text.data() + i + 3, text.data() + i + 7, value, 16);
    if (r.ec != std::errc() || r.ptr != text.data() + i + 7)
        return 0;
    appendCodePoint(out, value);
    return 7;
}

// A %% code at text[i] (after the two percent signs): the length consumed.
size_t percentCode(std::string_view text, size_t i, std::string& out) {
    if (i >= text.size())
        return 0;
    switch (std::tolower(static_cast<unsigned char>(text[i]))) {
    case 'c':
        out += "\u00D8";
        return 1;
    case 'd':
        out += "\u00B0";
        return 1;
    case 'p':
        out += "\u00B1";
        return 1;
    case '%':
        out += '%';
        return 1;
    case 'u':
    case 'o':
        return 1;
    default:
        break;
    }
    size_t end = i;
    while (end < text.size() && end < i + 3 && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    if (end == i)
        return 0;
    int code = 0;
    std::from_chars(text.data() + i, text.data() + end, code);
    if (code > 0 && code < 256)
        out += cp1252ToUtf8(std::string(1, static_cast<char>(code)));
    return end - i;
}

// Skips an MTEXT code that runs to its semicolon; returns the index after it.
size_t skipToSemicolon(std::string_view text, size_t i) {
    size_t end = text.find(';', i);
    return end == std::string_view::npos ? text.size() : end + 1;
}

// \S top^bottom; (also / and #) as top/bottom.
size_t stacked(std::string_view text, size_t i, std::string& out) {
    size_t end = text.find(';', i);
    if (end == std::string_view::npos)
        end = text.size();
    for (size_t k = i; k < end; ++k) {
        char c = text[k];
        out += (c == '^' || c == '#') ? '/' : c;
    }
    return end < text.size() ? end + 1 : end;
}

size_t characters(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void wrapLine(const std::string& line, size_t maxChars, std::vector<std::string>& out) {
    std::string current;
    size_t start = 0;
    while (start <= line.size()) {
        size_t end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        std::string_view word(line.data() + start, end - start);
        bool fits = characters(current) + 1 + characters(word) <= maxChars;
        if (current.empty()) {
            current = word;
        } else if (fits) {
            current += ' ';
            current += word;
        } else {
            out.push_back(std::move(current));
            current = word;
        }
        start = end + 1;
    }
    out.push_back(std::move(current));
}

bool isToggleCode(char c) {
    return std::string_view("LlOoKkNn").find(c) != std::string_view::npos;
}

bool isValueCode(char c) {
    return std::string_view("AaCcFfHhQqTtWwp").find(c) != std::string_view::npos;
}

} // namespace

std::string expandControlCodes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (size_t n = unicodeEscape(text, i, out)) {
            i += n;
            continue;
        }
        if (text.compare(i, 2, "%%") == 0) {
            if (size_t n = percentCode(text, i + 2, out)) {
                i += 2 + n;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::vector<std::string> mtextLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == '{' || c == '}') {
            ++i;
            continue;
        }
        if (c == '^' && i + 1 < text.size()) {
            char next = text[i + 1];
            if (next == 'J')
                lines.emplace_back();
            else
                lines.back() += next == 'I' ? ' ' : next;
            i += 2;
            continue;
        }
        if (c != '\\' || i + 1 >= text.size()) {
            lines.back() += c;
            ++i;
            continue;
        }
        if (size_t n = unicodeEscape(text, i, lines.back())) {
            i += n;
            continue;
        }
        char code = text[i + 1];
        if (code == 'P' || code == 'X') {
            lines.emplace_back();
            i += 2;
        } else if (code == '~') {
            lines.back() += "\u00A0";
            i += 2;
        } else if (code == 'S') {
            i = stacked(text, i + 2, lines.back());
        } else if (isValueCode(code)) {
            i = skipToSemicolon(text, i + 2);
        } else if (isToggleCode(code)) {
            i += 2;
        } else {
            // \\ \{ \} and any unknown escape: the character itself.
            lines.back() += code;
            i += 2;
        }
    }
    for (std::string& line : lines)
        line = expandControlCodes(line);
    return lines;
}

std::vector<std::string> wrapLines(const std::vector<std::string>& lines, size_t maxChars) {
    std::vector<std::string> out;
    for (const std::string& line : lines)
        wrapLine(line, std::max<size_t>(maxChars, 1), out);
    return out;
}

} // namespace vma::geom
