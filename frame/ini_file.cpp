#include "frame/ini_file.h"

#include "frame/text_lines.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

// Settings files are UTF-8; the lines are decoded whole, a broken sequence
// becoming U+FFFD so that a damaged file still reads.
std::wstring decodeUtf8(const std::string& bytes) {
    std::wstring out;
    for (size_t i = 0; i < bytes.size();) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= bytes.size()) {
            out += L'\uFFFD';
            ++i;
            continue;
        }
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        out += static_cast<wchar_t>(code);
        i += extra + 1;
    }
    return out;
}

std::string encodeUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<std::wstring> readLines(const std::wstring& path) {
    std::vector<std::wstring> lines;
    if (std::optional<TextLines> text = vma_read_lines(path))
        for (const std::string& line : text->lines)
            lines.push_back(decodeUtf8(line));
    return lines;
}

std::wstring trimmed(const std::wstring& text) {
    auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::wstring(first, last) : std::wstring();
}

bool sameName(const std::wstring& a, const std::wstring& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towupper(static_cast<wint_t>(x)) == std::towupper(static_cast<wint_t>(y));
    });
}

bool isSectionLine(const std::wstring& line) {
    std::wstring text = trimmed(line);
    return text.size() >= 2 && text.front() == L'[' && text.back() == L']';
}

bool isSection(const std::wstring& line, const std::wstring& section) {
    std::wstring text = trimmed(line);
    return isSectionLine(line) && sameName(trimmed(text.substr(1, text.size() - 2)), section);
}

// The item's key, or empty for a line that is no item.
std::wstring itemKey(const std::wstring& line) {
    size_t equals = line.find(L'=');
    if (equals == std::wstring::npos || isSectionLine(line))
        return {};
    return trimmed(line.substr(0, equals));
}

struct Position {
    size_t sectionEnd = 0; // where a new item of the section goes
    std::optional<size_t> item;
    bool sectionFound = false;
};

Position find(const std::vector<std::wstring>& lines, const std::wstring& section,
              const std::wstring& key) {
    Position pos;
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isSectionLine(lines[i])) {
            inside = isSection(lines[i], section);
            pos.sectionFound = pos.sectionFound || inside;
            if (inside)
                pos.sectionEnd = i + 1;
            continue;
        }
        if (!inside)
            continue;
        if (!trimmed(lines[i]).empty())
            pos.sectionEnd = i + 1;
        if (!pos.item && sameName(itemKey(lines[i]), key))
            pos.item = i;
    }
    return pos;
}

bool writeLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
    TextLines text;
    for (const std::wstring& line : lines)
        text.lines.push_back(encodeUtf8(line));
    return vma_replace_lines(path, text);
}

} // namespace

std::optional<std::wstring> vma_ini_read(const std::wstring& path, const std::wstring& section,
                                         const std::wstring& key) {
    std::vector<std::wstring> lines = readLines(path);
    Position pos = find(lines, section, key);
    if (!pos.item)
        return std::nullopt;
    const std::wstring& line = lines[*pos.item];
    return trimmed(line.substr(line.find(L'=') + 1));
}

bool vma_ini_write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) {
    std::vector<std::wstring> lines = readLines(path);
    Position pos = find(lines, section, key);
    std::wstring item = key + L"=" + value;
    if (pos.item) {
        lines[*pos.item] = item;
    } else if (pos.sectionFound) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pos.sectionEnd), item);
    } else {
        lines.push_back(L"[" + section + L"]");
        lines.push_back(item);
    }
    return writeLines(path, lines);
}
