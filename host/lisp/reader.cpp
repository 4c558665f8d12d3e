// Reading AutoLISP text: numbers, strings with backslash escapes, symbols,
// quote, lists and dotted pairs, line and block comments.
#include "host/lisp/reader.h"

#include <cmath>
#include <cwctype>

namespace vma::lisp {

namespace {

// Deeper nesting than any program needs; it keeps recursion bounded.
constexpr int kMaxDepth = 2000;

Error malformed() {
    return Error{"malformed list on input"};
}

bool isDelimiter(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) || c == L'(' || c == L')' || c == L'\'' ||
           c == L'"' || c == L';';
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Integer: optional sign and digits only.
bool isInteger(std::wstring_view t) {
    size_t i = (!t.empty() && (t[0] == L'+' || t[0] == L'-')) ? 1 : 0;
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i]))
            return false;
    return true;
}

// Real: sign, digits with at most one point (at least one digit), optional exponent.
bool isReal(std::wstring_view t) {
    size_t i = (!t.empty() && (t[0] == L'+' || t[0] == L'-')) ? 1 : 0;
    size_t digits = 0;
    bool point = false;
    for (; i < t.size() && (isDigit(t[i]) || t[i] == L'.'); ++i) {
        if (t[i] == L'.') {
            if (point)
                return false;
            point = true;
            continue;
        }
        ++digits;
    }
    if (digits == 0)
        return false;
    if (i == t.size())
        return true;
    if (t[i] != L'e' && t[i] != L'E')
        return false;
    ++i;
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-'))
        ++i;
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i]))
            return false;
    return true;
}

double toDouble(std::wstring_view t) {
    std::string narrow(t.begin(), t.end());
    return std::strtod(narrow.c_str(), nullptr);
}

} // namespace

Value parseAtom(std::wstring_view token) {
    if (isInteger(token)) {
        double d = toDouble(token);
        // Integers beyond 32 bits are read as reals, as the CAD program does.
        if (d > 2147483647.0 || d < -2147483648.0)
            return makeReal(d);
        return makeInt(static_cast<int32_t>(d));
    }
    if (isReal(token))
        return makeReal(toDouble(token));
    Value sym = makeSym(token);
    if (sym->text == L"NIL")
        return nullptr;
    return sym;
}

void Reader::skipBlank() {
    while (!atEnd()) {
        wchar_t c = text_[pos_];
        if (std::iswspace(static_cast<wint_t>(c))) {
            ++pos_;
            continue;
        }
        if (c != L';')
            return;
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == L'|') {
            size_t end = text_.find(L"|;", pos_ + 2);
            pos_ = end == std::wstring_view::npos ? text_.size() : end + 2;
            continue;
        }
        while (!atEnd() && text_[pos_] != L'\n')
            ++pos_;
    }
}

ErrorOr<std::optional<Value>> Reader::next() {
    skipBlank();
    if (atEnd())
        return std::optional<Value>{};
    if (text_[pos_] == L')') {
        ++pos_;
        return Error{"extra right paren on input"};
    }
    VMA_TRY_ASSIGN(Value v, read(0));
    return std::optional<Value>{std::move(v)};
}

ErrorOr<Value> Reader::read(int depth) {
    if (depth > kMaxDepth)
        return malformed();
    skipBlank();
    if (atEnd())
        return malformed();
    wchar_t c = text_[pos_];
    if (c == L'(') {
        ++pos_;
        return readList(depth + 1);
    }
    if (c == L')') {
        ++pos_;
        return Error{"extra right paren on input"};
    }
    if (c == L'\'') {
        ++pos_;
        VMA_TRY_ASSIGN(Value quoted, read(depth + 1));
        return cons(makeSym(L"QUOTE"), cons(std::move(quoted), nullptr));
    }
    if (c == L'"')
        return readString();
    return readAtom();
}

ErrorOr<Value> Reader::readList(int depth) {
    std::vector<Value> items;
    Value tail;
    for (;;) {
        skipBlank();
        if (atEnd())
            return malformed();
        if (text_[pos_] == L')') {
            ++pos_;
            return fromVector(items, std::move(tail));
        }
        bool dot = text_[pos_] == L'.' && pos_ + 1 < text_.size() && isDelimiter(text_[pos_ + 1]);
        if (dot && !items.empty() && !tail) {
            ++pos_;
            skipBlank();
            if (atEnd() || text_[pos_] == L')')
                return malformed();
            VMA_TRY_ASSIGN(tail, read(depth));
            skipBlank();
            if (atEnd() || text_[pos_] != L')')
                return malformed();
            continue;
        }
        if (tail)
            return malformed();
        VMA_TRY_ASSIGN(Value item, read(depth));
        items.push_back(std::move(item));
    }
}

ErrorOr<Value> Reader::readString() {
    ++pos_;
    std::wstring s;
    while (!atEnd()) {
        wchar_t c = text_[pos_++];
        if (c == L'"')
            return makeStr(std::move(s));
        if (c != L'\\' || atEnd()) {
            s += c;
            continue;
        }
        wchar_t e = text_[pos_++];
        switch (e) {
        case L'n':
            s += L'\n';
            break;
        case L't':
            s += L'\t';
            break;
        case L'r':
            s += L'\r';
            break;
        case L'e':
            s += L'\x1b';
            break;
        default:
            if (e >= L'0' && e <= L'7') {
                int code = e - L'0';
                for (int i = 0; i < 2 && !atEnd() && text_[pos_] >= L'0' && text_[pos_] <= L'7';
                     ++i)
                    code = code * 8 + (text_[pos_++] - L'0');
                s += static_cast<wchar_t>(code);
                break;
            }
            s += e;
        }
    }
    return malformed();
}

// A lone dot only marks a dotted pair; anywhere else the list is malformed.
ErrorOr<Value> Reader::readAtom() {
    size_t start = pos_;
    while (!atEnd() && !isDelimiter(text_[pos_]))
        ++pos_;
    std::wstring_view token = text_.substr(start, pos_ - start);
    if (token == L".")
        return malformed();
    return parseAtom(token);
}

ErrorOr<std::vector<Value>> readAll(std::wstring_view text) {
    Reader reader(text);
    std::vector<Value> all;
    for (;;) {
        VMA_TRY_ASSIGN(auto next, reader.next());
        if (!next)
            return all;
        all.push_back(std::move(*next));
    }
}

} // namespace vma::lisp
