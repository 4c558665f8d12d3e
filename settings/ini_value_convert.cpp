#include "settings/ini_value_convert.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>

double ini_text_real(std::wstring_view text) {
    const std::wstring copy(text);
    return std::wcstod(copy.c_str(), nullptr);
}

int ini_text_integer(std::wstring_view text) {
    const std::wstring copy(text);
    const long long value = std::wcstoll(copy.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::vector<std::wstring_view> ini_text_fields(std::wstring_view text,
                                               std::wstring_view separators) {
    std::vector<std::wstring_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(separators, start);
        if (end == std::wstring_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}
