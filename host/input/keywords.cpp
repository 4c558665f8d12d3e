#include "host/input/keywords.h"

#include "host/base/text.h"

#include <cwctype>

namespace vma::input {
namespace {

std::vector<std::wstring> words(std::wstring_view list) {
    std::vector<std::wstring> out;
    std::wstring word;
    for (wchar_t c : list) {
        if (!std::iswspace(static_cast<wint_t>(c))) {
            word += c;
            continue;
        }
        if (!word.empty())
            out.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty())
        out.push_back(std::move(word));
    return out;
}

std::wstring capitals(std::wstring_view word) {
    std::wstring out;
    for (wchar_t c : word)
        if (std::iswupper(static_cast<wint_t>(c)) || std::iswdigit(static_cast<wint_t>(c)))
            out += c;
    return out.size() == word.size() ? std::wstring() : out;
}

Keyword keywordOf(std::wstring_view word) {
    size_t comma = word.find(L',');
    if (comma != std::wstring_view::npos) {
        std::wstring full(word.substr(0, comma));
        return {full, upperName(word.substr(comma + 1)), full};
    }
    std::wstring full(word);
    return {full, capitals(word), full};
}

bool startsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The typed text names the word: the whole word, or when the abbreviation
// leads the word anything from the abbreviation up to the whole word.
bool names(std::wstring_view word, std::wstring_view abbrev, std::wstring_view typed) {
    std::wstring upperWord = upperName(word);
    if (typed == upperWord)
        return true;
    if (abbrev.empty())
        return false;
    if (!startsWith(upperWord, abbrev))
        return typed == abbrev;
    return typed.size() >= abbrev.size() && startsWith(upperWord, typed);
}

} // namespace

InitGet parseInitGet(int flags, std::wstring_view list) {
    InitGet init{flags, {}};
    auto all = words(list);
    size_t split = all.size();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == L"_")
            split = i;
    for (size_t i = 0; i < split; ++i)
        init.keywords.push_back(keywordOf(all[i]));
    for (size_t i = split + 1; i < all.size() && i - split - 1 < init.keywords.size(); ++i) {
        size_t comma = all[i].find(L',');
        init.keywords[i - split - 1].global = all[i].substr(0, comma);
    }
    return init;
}

std::optional<std::wstring> matchKeyword(const InitGet& init, std::wstring_view input) {
    std::wstring typed = upperName(input);
    if (typed.empty())
        return std::nullopt;
    if (typed.size() > 1 && typed[0] == L'_') {
        std::wstring_view global = std::wstring_view(typed).substr(1);
        for (const auto& k : init.keywords)
            if (names(k.global, capitals(k.global), global))
                return k.global;
        return std::nullopt;
    }
    for (const auto& k : init.keywords)
        if (names(k.local, k.abbrev, typed))
            return k.global;
    return std::nullopt;
}

} // namespace vma::input
