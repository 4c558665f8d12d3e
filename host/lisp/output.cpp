// Printing to the command line, and the functions that talk to the host
// outside the drawing: system variables, environment, files, load, exit.
#include "acedads.h"
#include "host/base/text.h"
#include "host/lisp/bridge.h"
#include "host/lisp/builtins.h"
#include "host/lisp/printer.h"
#include "host/lisp/reader.h"
#include "host/lisp/units.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vma::lisp {

namespace {

void print(std::wstring_view text) {
    host::Session::get().print(text);
}

ErrorOr<Value> writeFile(const Value& file, const std::wstring& text) {
    if (!is(file, Type::File))
        return badArgument("streamp", file);
    std::string utf8 = wideToUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), file->file.get());
    return Value{};
}

template <PrintMode Mode> ErrorOr<Value> printFn(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    if (a.empty())
        return makeSym(L"");
    std::wstring text = toText(a[0], Mode);
    if (a.size() == 2 && a[1]) {
        VMA_TRY(writeFile(a[1], text));
        return a[0];
    }
    print(text);
    return a[0];
}

ErrorOr<Value> printLine(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    if (a.empty())
        return makeSym(L"");
    std::wstring text = L"\n" + toText(a[0], PrintMode::Prin1) + L" ";
    if (a.size() == 2 && a[1]) {
        VMA_TRY(writeFile(a[1], text));
        return a[0];
    }
    print(text);
    return a[0];
}

ErrorOr<Value> terpri(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 0));
    print(L"\n");
    return Value{};
}

ErrorOr<Value> quit(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 0));
    return Error{"quit / exit abort", 0, kQuitCode};
}

ErrorOr<Value> getvar(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    resbuf rb{};
    if (acedGetVar(name.c_str(), &rb) != RTNORM)
        return Value{};
    switch (rb.restype) {
    case RTSHORT:
        return makeInt(rb.resval.rint);
    case RTLONG:
        return makeInt(rb.resval.rlong);
    case RTREAL:
        return makeReal(rb.resval.rreal);
    case RTPOINT:
        return point({rb.resval.rpoint[0], rb.resval.rpoint[1]});
    case RT3DPOINT:
        return point({rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]});
    case RTSTR: {
        Value s = makeStr(rb.resval.rstring ? rb.resval.rstring : L"");
        std::free(rb.resval.rstring);
        return s;
    }
    default:
        return Value{};
    }
}

ErrorOr<Value> setvar(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    resbuf rb{};
    std::wstring text;
    const Value& v = a[1];
    if (is(v, Type::Int)) {
        rb.restype = v->integer >= -32768 && v->integer <= 32767 ? RTSHORT : RTLONG;
        if (rb.restype == RTSHORT)
            rb.resval.rint = static_cast<short>(v->integer);
        else
            rb.resval.rlong = v->integer;
    } else if (is(v, Type::Real)) {
        rb.restype = RTREAL;
        rb.resval.rreal = v->real;
    } else if (is(v, Type::Str)) {
        text = v->text;
        rb.restype = RTSTR;
        rb.resval.rstring = text.data();
    } else {
        VMA_TRY_ASSIGN(auto xyz, pointArg(v));
        rb.restype = xyz.size() == 3 ? RT3DPOINT : RTPOINT;
        for (size_t i = 0; i < xyz.size(); ++i)
            rb.resval.rpoint[i] = xyz[i];
    }
    if (acedSetVar(name.c_str(), &rb) != RTNORM)
        return Error{
            "AutoCAD variable setting rejected: " + wideToUtf8(toText(a[0], PrintMode::Prin1)) +
            " " + wideToUtf8(toText(v, PrintMode::Prin1))};
    return v;
}

int intVar(const wchar_t* name, int fallback) {
    resbuf rb{};
    if (acedGetVar(name, &rb) != RTNORM || rb.restype != RTSHORT)
        return fallback;
    return rb.resval.rint;
}

ErrorOr<Value> rtos(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 3));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    int mode = intVar(L"LUNITS", 2);
    int precision = intVar(L"LUPREC", 4);
    if (a.size() > 1 && a[1]) {
        VMA_TRY_ASSIGN(mode, intArg(a[1]));
    }
    if (a.size() > 2 && a[2]) {
        VMA_TRY_ASSIGN(precision, intArg(a[2]));
    }
    if (mode < 1 || mode > 5)
        return badArgument("rtos mode", a[1]);
    if (precision < 0 || precision > 8)
        return badArgument("rtos precision", a[2]);
    return makeStr(distanceText(x, mode, precision));
}

ErrorOr<Value> angtos(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 3));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    int mode = intVar(L"AUNITS", 0);
    int precision = intVar(L"AUPREC", 0);
    if (a.size() > 1 && a[1]) {
        VMA_TRY_ASSIGN(mode, intArg(a[1]));
    }
    if (a.size() > 2 && a[2]) {
        VMA_TRY_ASSIGN(precision, intArg(a[2]));
    }
    if (mode < 0 || mode > 4)
        return badArgument("angtos mode", a[1]);
    if (precision < 0 || precision > 8)
        return badArgument("angtos precision", a[2]);
    return makeStr(angleText(x, mode, precision));
}

ErrorOr<Value> getenv(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    const char* value = std::getenv(wideToUtf8(name).c_str());
    return value ? makeStr(utf8ToWide(value)) : nullptr;
}

ErrorOr<Value> findfile(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    ACHAR found[4096];
    if (acedFindFile(name.c_str(), found, 4096) != RTNORM)
        return Value{};
    return makeStr(found);
}

ErrorOr<std::wstring> readText(const std::wstring& path) {
    std::ifstream in(wideToUtf8(path), std::ios::binary);
    if (!in)
        return Error{"LOAD failed: " + wideToUtf8(path)};
    std::ostringstream text;
    text << in.rdbuf();
    std::string bytes = text.str();
    return utf8ToWide(isValidUtf8(bytes) ? bytes : cp1252ToUtf8(bytes));
}

ErrorOr<Value> load(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    ACHAR found[4096];
    bool ok = acedFindFile(name.c_str(), found, 4096) == RTNORM;
    if (!ok && name.find(L'.') == std::wstring::npos)
        ok = acedFindFile((name + L".lsp").c_str(), found, 4096) == RTNORM;
    if (!ok) {
        if (a.size() == 2)
            return a[1];
        return Error{"LOAD failed: " + wideToUtf8(toText(a[0], PrintMode::Prin1))};
    }
    VMA_TRY_ASSIGN(std::wstring text, readText(found));
    VMA_TRY_ASSIGN(auto forms, readAll(text));
    Value result;
    for (const Value& form : forms) {
        VMA_TRY_ASSIGN(result, in.eval(form));
    }
    return result;
}

const Registrar registrar{
    {L"PRINC", printFn<PrintMode::Princ>},
    {L"PRIN1", printFn<PrintMode::Prin1>},
    {L"PRINT", printLine},
    {L"TERPRI", terpri},
    {L"EXIT", quit},
    {L"QUIT", quit},
    {L"GETVAR", getvar},
    {L"SETVAR", setvar},
    {L"RTOS", rtos},
    {L"ANGTOS", angtos},
    {L"GETENV", getenv},
    {L"FINDFILE", findfile},
    {L"LOAD", load},
};

} // namespace

} // namespace vma::lisp
