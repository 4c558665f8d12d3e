// String functions, number-string conversions and wildcard matching.
#include "host/base/text.h"
#include "host/db/wcmatch.h"
#include "host/lisp/builtins.h"
#include "host/lisp/printer.h"
#include "host/lisp/reader.h"

#include <cwctype>

namespace vma::lisp {

namespace {

ErrorOr<Value> strcat(Interp&, const Args& a) {
    std::wstring out;
    for (const Value& v : a) {
        VMA_TRY_ASSIGN(std::wstring s, stringArg(v));
        out += s;
    }
    return makeStr(std::move(out));
}

ErrorOr<Value> strlen(Interp&, const Args& a) {
    size_t n = 0;
    for (const Value& v : a) {
        VMA_TRY_ASSIGN(std::wstring s, stringArg(v));
        n += s.size();
    }
    return makeInt(static_cast<int32_t>(n));
}

ErrorOr<Value> substr(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 3));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    VMA_TRY_ASSIGN(int32_t start, intArg(a[1]));
    if (start < 1)
        return badArgument("positive integer", a[1]);
    int32_t count = INT32_MAX;
    if (a.size() == 3) {
        VMA_TRY_ASSIGN(count, intArg(a[2]));
        if (count < 0)
            return badArgument("positive integer", a[2]);
    }
    size_t from = static_cast<size_t>(start - 1);
    if (from >= s.size())
        return makeStr(L"");
    return makeStr(s.substr(from, static_cast<size_t>(count)));
}

ErrorOr<Value> strcase(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    bool lower = a.size() == 2 && a[1];
    for (wchar_t& c : s)
        c = lower ? static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))) : upperChar(c);
    return makeStr(std::move(s));
}

ErrorOr<Value> atoi(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    return makeInt(static_cast<int32_t>(std::wcstol(s.c_str(), nullptr, 10)));
}

ErrorOr<Value> atof(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    return makeReal(std::wcstod(s.c_str(), nullptr));
}

ErrorOr<Value> itoa(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(int32_t n, intArg(a[0]));
    return makeStr(std::to_wstring(n));
}

ErrorOr<Value> chr(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(int32_t n, intArg(a[0]));
    return makeStr(n == 0 ? L"" : std::wstring(1, static_cast<wchar_t>(n)));
}

ErrorOr<Value> ascii(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    return makeInt(s.empty() ? 0 : static_cast<int32_t>(s[0]));
}

ErrorOr<Value> read(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 1));
    if (a.empty())
        return Value{};
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    Reader reader(s);
    VMA_TRY_ASSIGN(auto first, reader.next());
    return first ? *first : nullptr;
}

ErrorOr<Value> wcmatch(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring s, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring pattern, stringArg(a[1]));
    return truth(db::wcMatch(std::wstring_view(s), std::wstring_view(pattern)));
}

ErrorOr<Value> princToString(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return makeStr(toText(a[0], PrintMode::Princ));
}

const Registrar registrar{
    {L"STRCAT", strcat},   {L"STRLEN", strlen},   {L"SUBSTR", substr},
    {L"STRCASE", strcase}, {L"ATOI", atoi},       {L"ATOF", atof},
    {L"ITOA", itoa},       {L"CHR", chr},         {L"ASCII", ascii},
    {L"READ", read},       {L"WCMATCH", wcmatch}, {L"VL-PRINC-TO-STRING", princToString},
};

} // namespace

} // namespace vma::lisp
