// Helpers for the built-in functions: registration, arity and argument checks.
#pragma once

#include "host/lisp/interp.h"

#include <initializer_list>

namespace vma::lisp {

struct BuiltinEntry {
    const wchar_t* name;
    Builtin fn;
};

// Adds the functions to the table when the library loads.
struct Registrar {
    Registrar(std::initializer_list<BuiltinEntry> entries);
};

ErrorOr<void> arity(const Args& args, size_t min, size_t max);
ErrorOr<double> numberArg(const Value& v);
ErrorOr<int32_t> intArg(const Value& v);
ErrorOr<std::wstring> stringArg(const Value& v);
// A list of two or three numbers.
ErrorOr<std::vector<double>> pointArg(const Value& v);
Value point(const std::vector<double>& xyz);
Value truth(bool b);

} // namespace vma::lisp
