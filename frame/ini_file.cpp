#include "frame/ini_file.h"

#include "frame/text_lines.h"
#include "toolkit/dv_utf8.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

std::vector<std::wstring> readLines(const std::wstring& path) {
    std::vector<std::wstring> lines;
    if (std::optional<TextLines> text = vma_read_lines(path))
        for (const std::string& line : text->lines)
            lines.push_back(dv_from_utf8(line));
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
        text.lines.push_back(dv_to_utf8(line));
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
