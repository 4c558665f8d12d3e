#include "settings/ini_names.h"

#include "toolkit/dv_compare.h"

#include <cwctype>

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

size_t digitsFrom(std::wstring_view text, size_t at) {
    size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end;
}

// Compares two digit runs by value: negative, zero or positive.
int compareNumbers(std::wstring_view a, std::wstring_view b) {
    auto significant = [](std::wstring_view digits) {
        size_t first = digits.find_first_not_of(L'0');
        return first == std::wstring_view::npos ? std::wstring_view() : digits.substr(first);
    };
    a = significant(a);
    b = significant(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

wint_t upper(wchar_t c) {
    return std::towupper(static_cast<wint_t>(c));
}

size_t afterLastOf(std::wstring_view path, std::wstring_view separators) {
    size_t last = path.find_last_of(separators);
    return last == std::wstring_view::npos ? 0 : last + 1;
}

bool hasShortExtension(std::wstring_view path) {
    size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring_view::npos)
        return false;
    std::wstring_view extension = path.substr(dot + 1);
    return !extension.empty() && extension.size() <= 3 &&
           extension.find_first_of(L"\\/:") == std::wstring_view::npos;
}

} // namespace

std::wstring ini_file_path(std::wstring_view path) {
    if (!path.empty() && path.back() == L'\n')
        path.remove_suffix(1);
    size_t end = path.find_last_not_of(L" \t");
    path = end == std::wstring_view::npos ? std::wstring_view() : path.substr(0, end + 1);
    std::wstring result(path);
    if (!hasShortExtension(path))
        result += L".INI";
    return result;
}

std::wstring ini_handle(std::wstring_view path, bool registry) {
    std::wstring_view name = path.substr(afterLastOf(path, registry ? L"\\/" : L"\\/:"));
    return std::wstring(name.substr(0, kHandleLimit));
}

bool ini_natural_less(std::wstring_view a, std::wstring_view b) {
    size_t i = 0;
    while (i < a.size() && i < b.size()) {
        if (isDigit(a[i]) && isDigit(b[i])) {
            size_t endA = digitsFrom(a, i);
            size_t endB = digitsFrom(b, i);
            int order = compareNumbers(a.substr(i, endA - i), b.substr(i, endB - i));
            if (order != 0)
                return order < 0;
            // Equal numbers: the rest decides, character by character.
            std::wstring_view restA = a.substr(endA);
            std::wstring_view restB = b.substr(endB);
            for (size_t k = 0; k < restA.size() && k < restB.size(); ++k)
                if (upper(restA[k]) != upper(restB[k]))
                    return upper(restA[k]) < upper(restB[k]);
            return restA.size() < restB.size();
        }
        if (upper(a[i]) != upper(b[i]))
            return upper(a[i]) < upper(b[i]);
        ++i;
    }
    return a.size() < b.size();
}

bool ini_is_deleted(std::wstring_view section) {
    return dv_starts_with_text(section, kDeletedPrefix);
}

bool ini_has_ini_extension(std::wstring_view name) {
    size_t dot = name.find_last_of(L'.');
    return dot != std::wstring_view::npos && dv_same_text(name.substr(dot), L".INI");
}
