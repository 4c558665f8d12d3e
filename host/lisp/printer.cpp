// Printing values: lists with dotted tails, reals with six significant digits,
// strings escaped for prin1, entity names and selection sets in angle brackets.
#include "host/lisp/printer.h"

#include <cmath>
#include <cstdio>

namespace vma::lisp {

namespace {

std::wstring widen(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

std::wstring hex(int64_t n) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(n));
    return widen(buffer);
}

std::wstring escaped(const std::wstring& s) {
    std::wstring out = L"\"";
    for (wchar_t c : s) {
        switch (c) {
        case L'"':
            out += L"\\\"";
            break;
        case L'\\':
            out += L"\\\\";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\t':
            out += L"\\t";
            break;
        case L'\r':
            out += L"\\r";
            break;
        case L'\x1b':
            out += L"\\e";
            break;
        default:
            if (c < 32) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\%03o", static_cast<unsigned>(c));
                out += widen(buffer);
                break;
            }
            out += c;
        }
    }
    return out + L"\"";
}

void append(std::wstring& out, const Value& v, PrintMode mode);

void appendList(std::wstring& out, const Value& v, PrintMode mode) {
    out += L'(';
    const Node* cell = v.get();
    bool first = true;
    for (; cell && cell->type == Type::Cons; cell = cell->cdr.get()) {
        if (!first)
            out += L' ';
        first = false;
        append(out, cell->car, mode);
    }
    if (cell) {
        out += L" . ";
        append(out, Value(v, cell), mode);
    }
    out += L')';
}

void append(std::wstring& out, const Value& v, PrintMode mode) {
    if (!v) {
        out += L"nil";
        return;
    }
    switch (v->type) {
    case Type::Int:
        out += std::to_wstring(v->integer);
        return;
    case Type::Real:
        out += realText(v->real);
        return;
    case Type::Str:
        out += mode == PrintMode::Prin1 ? escaped(v->text) : v->text;
        return;
    case Type::Sym:
        out += v->text;
        return;
    case Type::Cons:
        appendList(out, v, mode);
        return;
    case Type::Ename:
        out += L"<Entity name: " + hex(v->name[0]) + L">";
        return;
    case Type::Pickset:
        out += L"<Selection set: " + hex(v->name[0]) + L">";
        return;
    case Type::File:
        out += L"#<file \"" + v->text + L"\">";
        return;
    case Type::Subr:
    case Type::ExSubr:
        out += L"#<SUBR @" + hex(reinterpret_cast<intptr_t>(v.get())) + L" " + v->text + L">";
        return;
    case Type::Usubr:
        out += L"#<USUBR @" + hex(reinterpret_cast<intptr_t>(v.get())) + L">";
        return;
    }
}

} // namespace

std::wstring realText(double r) {
    if (std::isnan(r))
        return L"-1.#IND";
    if (std::isinf(r))
        return r > 0 ? L"1.#INF" : L"-1.#INF";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", r);
    std::string s = buffer;
    size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    if (mantissa.find('.') == std::string::npos)
        mantissa += ".0";
    return widen(mantissa + (e == std::string::npos ? "" : s.substr(e)));
}

std::wstring toText(const Value& v, PrintMode mode) {
    std::wstring out;
    append(out, v, mode);
    return out;
}

} // namespace vma::lisp
