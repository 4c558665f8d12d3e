// AutoLISP values. A value is a shared node; nil is the null pointer. Lists
// are cons cells, and since AutoLISP has no destructive list operations no
// cycle can form, so shared ownership frees everything.
#pragma once

#include "adsdef.h"
#include "host/base/error.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vma::lisp {

struct Node;
using Value = std::shared_ptr<const Node>;
class Interp;

using Args = std::vector<Value>;
using Builtin = ErrorOr<Value> (*)(Interp&, const Args&);

enum class Type { Int, Real, Str, Sym, Cons, Ename, Pickset, File, Subr, Usubr, ExSubr };

struct Node {
    Type type = Type::Int;
    int32_t integer = 0;
    double real = 0;
    std::wstring text; // strings; symbol names in upper case; subr names
    Value car, cdr;    // cons cells; user functions: parameter list and body
    int64_t name[2] = {0, 0};
    std::shared_ptr<FILE> file;
    Builtin builtin = nullptr;

    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    // Long lists are freed cell by cell, not by recursion down the cdr chain.
    ~Node();
};

Value makeInt(int32_t n);
Value makeReal(double r);
Value makeStr(std::wstring s);
Value makeSym(std::wstring_view name);
Value cons(Value car, Value cdr);
Value makeName(Type type, const int64_t name[2]);
Value makeFile(std::shared_ptr<FILE> file, std::wstring name);
Value makeSubr(std::wstring name, Builtin fn);
// A function defined with acedDefun: its name and function code.
Value makeExSubr(std::wstring name, int code);
Value makeUsubr(Value params, Value body);

extern const Value T;

inline bool is(const Value& v, Type t) {
    return v && v->type == t;
}
inline bool isNumber(const Value& v) {
    return is(v, Type::Int) || is(v, Type::Real);
}
// nil or a cons cell.
inline bool isList(const Value& v) {
    return !v || v->type == Type::Cons;
}
inline bool isSym(const Value& v, std::wstring_view name) {
    return is(v, Type::Sym) && v->text == name;
}
inline bool isFunction(const Value& v) {
    return is(v, Type::Subr) || is(v, Type::Usubr) || is(v, Type::ExSubr);
}
double numberOf(const Value& v);

Value fromVector(const std::vector<Value>& items, Value tail = nullptr);
// The elements of a proper list (a dotted tail is dropped).
std::vector<Value> toVector(const Value& list);
size_t listLength(const Value& list);

bool eq(const Value& a, const Value& b);
// Structural equality; reals within fuzz.
bool equal(const Value& a, const Value& b, double fuzz = 0);

} // namespace vma::lisp
