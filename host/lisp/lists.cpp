// List functions and predicates; the c..r family from car and cdr.
#include "host/base/text.h"
#include "host/lisp/builtins.h"
#include "host/lisp/printer.h"

#include <algorithm>

namespace vma::lisp {

namespace {

ErrorOr<Value> car(const Value& v) {
    if (!isList(v))
        return badArgument("consp", v);
    return v ? v->car : nullptr;
}

ErrorOr<Value> cdr(const Value& v) {
    if (!isList(v))
        return badArgument("consp", v);
    return v ? v->cdr : nullptr;
}

// path is read right to left, as in the name: "ad" of cadr is cdr then car.
template <const char* Path> ErrorOr<Value> cxr(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    Value v = a[0];
    std::string_view path(Path);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        VMA_TRY_ASSIGN(v, *it == 'a' ? car(v) : cdr(v));
    }
    return v;
}

constexpr char kA[] = "a", kD[] = "d", kAA[] = "aa", kAD[] = "ad", kDA[] = "da", kDD[] = "dd",
               kAAA[] = "aaa", kAAD[] = "aad", kADA[] = "ada", kADD[] = "add", kDAA[] = "daa",
               kDAD[] = "dad", kDDA[] = "dda", kDDD[] = "ddd";

ErrorOr<Value> list(Interp&, const Args& a) {
    return fromVector(a);
}

ErrorOr<Value> consFn(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    return cons(a[0], a[1]);
}

ErrorOr<Value> listArg(const Value& v) {
    if (!isList(v))
        return badArgument("listp", v);
    return v;
}

ErrorOr<Value> last(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(listArg(a[0]));
    auto items = toVector(a[0]);
    return items.empty() ? nullptr : items.back();
}

ErrorOr<Value> append(Interp&, const Args& a) {
    std::vector<Value> items;
    for (const Value& v : a) {
        VMA_TRY(listArg(v));
        for (const Value& item : toVector(v))
            items.push_back(item);
    }
    return fromVector(items);
}

ErrorOr<Value> length(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(listArg(a[0]));
    return makeInt(static_cast<int32_t>(listLength(a[0])));
}

ErrorOr<Value> nth(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(int32_t n, intArg(a[0]));
    VMA_TRY(listArg(a[1]));
    auto items = toVector(a[1]);
    if (n < 0 || static_cast<size_t>(n) >= items.size())
        return Value{};
    return items[static_cast<size_t>(n)];
}

ErrorOr<Value> assoc(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY(listArg(a[1]));
    for (const Value& item : toVector(a[1]))
        if (is(item, Type::Cons) && equal(item->car, a[0]))
            return item;
    return Value{};
}

ErrorOr<Value> member(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY(listArg(a[1]));
    for (Value cell = a[1]; is(cell, Type::Cons); cell = cell->cdr)
        if (equal(cell->car, a[0]))
            return cell;
    return Value{};
}

ErrorOr<Value> reverse(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(listArg(a[0]));
    Value out;
    for (const Value& item : toVector(a[0]))
        out = cons(item, out);
    return out;
}

Value substitute(const Value& to, const Value& from, const Value& in) {
    if (equal(in, from))
        return to;
    if (!is(in, Type::Cons))
        return in;
    return cons(substitute(to, from, in->car), substitute(to, from, in->cdr));
}

ErrorOr<Value> subst(Interp&, const Args& a) {
    VMA_TRY(arity(a, 3, 3));
    return substitute(a[0], a[1], a[2]);
}

ErrorOr<Value> listp(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return truth(isList(a[0]));
}

ErrorOr<Value> atom(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return truth(!is(a[0], Type::Cons));
}

ErrorOr<Value> null(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return truth(!a[0]);
}

ErrorOr<Value> eqFn(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    return truth(eq(a[0], a[1]));
}

ErrorOr<Value> equalFn(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 3));
    double fuzz = 0;
    if (a.size() == 3) {
        VMA_TRY_ASSIGN(fuzz, numberArg(a[2]));
    }
    return truth(equal(a[0], a[1], fuzz));
}

ErrorOr<Value> evalFn(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return in.eval(a[0]);
}

ErrorOr<Value> functionArg(Interp& in, const Value& v) {
    if (is(v, Type::Sym)) {
        Value fn = in.variable(v->text);
        if (!isFunction(fn))
            return Error{"no function definition: " + wideToUtf8(v->text)};
        return fn;
    }
    if (is(v, Type::Cons) && isSym(v->car, L"LAMBDA"))
        return in.eval(v);
    if (!isFunction(v))
        return Error{"bad function: " + wideToUtf8(toText(v, PrintMode::Prin1))};
    return v;
}

ErrorOr<Value> applyFn(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(Value fn, functionArg(in, a[0]));
    VMA_TRY(listArg(a[1]));
    return in.apply(fn, toVector(a[1]));
}

ErrorOr<Value> mapcar(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 2, SIZE_MAX));
    VMA_TRY_ASSIGN(Value fn, functionArg(in, a[0]));
    std::vector<std::vector<Value>> lists;
    size_t shortest = SIZE_MAX;
    for (size_t i = 1; i < a.size(); ++i) {
        VMA_TRY(listArg(a[i]));
        lists.push_back(toVector(a[i]));
        shortest = std::min(shortest, lists.back().size());
    }
    std::vector<Value> out;
    for (size_t k = 0; k < shortest; ++k) {
        Args args;
        for (const auto& l : lists)
            args.push_back(l[k]);
        VMA_TRY_ASSIGN(Value v, in.apply(fn, args));
        out.push_back(std::move(v));
    }
    return fromVector(out);
}

ErrorOr<Value> typeFn(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    if (!a[0])
        return Value{};
    static const wchar_t* names[] = {L"INT",     L"REAL", L"STR",  L"SYM",   L"LIST",    L"ENAME",
                                     L"PICKSET", L"FILE", L"SUBR", L"USUBR", L"EXRXSUBR"};
    return makeSym(names[static_cast<int>(a[0]->type)]);
}

ErrorOr<Value> boundp(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    if (!is(a[0], Type::Sym))
        return badArgument("symbolp", a[0]);
    return truth(in.variable(a[0]->text) != nullptr);
}

ErrorOr<Value> set(Interp& in, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    if (!is(a[0], Type::Sym) || a[0]->text == L"T")
        return badArgument("symbolp", a[0]);
    in.setVariable(a[0]->text, a[1]);
    return a[1];
}

const Registrar registrar{
    {L"CAR", cxr<kA>},     {L"CDR", cxr<kD>},     {L"CAAR", cxr<kAA>},   {L"CADR", cxr<kAD>},
    {L"CDAR", cxr<kDA>},   {L"CDDR", cxr<kDD>},   {L"CAAAR", cxr<kAAA>}, {L"CAADR", cxr<kAAD>},
    {L"CADAR", cxr<kADA>}, {L"CADDR", cxr<kADD>}, {L"CDAAR", cxr<kDAA>}, {L"CDADR", cxr<kDAD>},
    {L"CDDAR", cxr<kDDA>}, {L"CDDDR", cxr<kDDD>}, {L"LIST", list},       {L"CONS", consFn},
    {L"LAST", last},       {L"APPEND", append},   {L"LENGTH", length},   {L"NTH", nth},
    {L"ASSOC", assoc},     {L"MEMBER", member},   {L"REVERSE", reverse}, {L"SUBST", subst},
    {L"LISTP", listp},     {L"ATOM", atom},       {L"NULL", null},       {L"NOT", null},
    {L"EQ", eqFn},         {L"EQUAL", equalFn},   {L"EVAL", evalFn},     {L"APPLY", applyFn},
    {L"MAPCAR", mapcar},   {L"TYPE", typeFn},     {L"BOUNDP", boundp},   {L"SET", set},
};

} // namespace

} // namespace vma::lisp
