// Arithmetic: integers stay 32-bit and wrap as the CAD program's do; any real
// argument makes the result real.
#include "host/lisp/builtins.h"

#include <cmath>
#include <numeric>

namespace vma::lisp {

namespace {

int32_t wrap(int64_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(n)));
}

enum class Op { Add, Sub, Mul, Div };

ErrorOr<Value> fold(const Args& args, Op op) {
    for (const Value& a : args)
        if (!isNumber(a))
            return badArgument("numberp", a);
    if (args.empty())
        return makeInt(op == Op::Mul ? 1 : 0);
    bool real = false;
    for (const Value& a : args)
        real = real || is(a, Type::Real);
    if (args.size() == 1 && op == Op::Sub)
        return real ? makeReal(-args[0]->real) : makeInt(wrap(-int64_t{args[0]->integer}));
    if (real) {
        double acc = numberOf(args[0]);
        for (size_t i = 1; i < args.size(); ++i) {
            double x = numberOf(args[i]);
            if (op == Op::Div && x == 0)
                return Error{"divide by zero"};
            acc = op == Op::Add   ? acc + x
                  : op == Op::Sub ? acc - x
                  : op == Op::Mul ? acc * x
                                  : acc / x;
        }
        return makeReal(acc);
    }
    int32_t acc = args[0]->integer;
    for (size_t i = 1; i < args.size(); ++i) {
        int64_t x = args[i]->integer;
        if (op == Op::Div && x == 0)
            return Error{"divide by zero"};
        if (op == Op::Div)
            acc = wrap(int64_t{acc} / x);
        else
            acc = wrap(op == Op::Add   ? int64_t{acc} + x
                       : op == Op::Sub ? int64_t{acc} - x
                                       : int64_t{acc} * x);
    }
    return makeInt(acc);
}

ErrorOr<Value> add(Interp&, const Args& a) {
    return fold(a, Op::Add);
}
ErrorOr<Value> sub(Interp&, const Args& a) {
    return fold(a, Op::Sub);
}
ErrorOr<Value> mul(Interp&, const Args& a) {
    return fold(a, Op::Mul);
}
ErrorOr<Value> divide(Interp&, const Args& a) {
    return fold(a, Op::Div);
}

ErrorOr<Value> step(const Args& a, int by) {
    VMA_TRY(arity(a, 1, 1));
    return fold({a[0], makeInt(by)}, Op::Add);
}
ErrorOr<Value> inc(Interp&, const Args& a) {
    return step(a, 1);
}
ErrorOr<Value> dec(Interp&, const Args& a) {
    return step(a, -1);
}

// Numbers compare with numbers, strings with strings.
ErrorOr<int> compare(const Value& x, const Value& y) {
    if (is(x, Type::Str) && is(y, Type::Str))
        return x->text < y->text ? -1 : x->text == y->text ? 0 : 1;
    if (!isNumber(x))
        return badArgument(is(y, Type::Str) ? "stringp" : "numberp", x);
    if (!isNumber(y))
        return badArgument("numberp", y);
    double a = numberOf(x);
    double b = numberOf(y);
    return a < b ? -1 : a == b ? 0 : 1;
}

template <bool (*Holds)(int)> ErrorOr<Value> chain(Interp&, const Args& args) {
    VMA_TRY(arity(args, 1, SIZE_MAX));
    bool result = true;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        VMA_TRY_ASSIGN(int c, compare(args[i], args[i + 1]));
        result = result && Holds(c);
    }
    return truth(result);
}

bool isEq(int c) {
    return c == 0;
}
bool isNe(int c) {
    return c != 0;
}
bool isLt(int c) {
    return c < 0;
}
bool isLe(int c) {
    return c <= 0;
}
bool isGt(int c) {
    return c > 0;
}
bool isGe(int c) {
    return c >= 0;
}

ErrorOr<Value> rem(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, SIZE_MAX));
    Value acc = a[0];
    VMA_TRY(numberArg(acc));
    for (size_t i = 1; i < a.size(); ++i) {
        VMA_TRY_ASSIGN(double y, numberArg(a[i]));
        if (y == 0)
            return Error{"divide by zero"};
        if (is(acc, Type::Int) && is(a[i], Type::Int))
            acc = makeInt(a[i]->integer == -1 ? 0 : acc->integer % a[i]->integer);
        else
            acc = makeReal(std::fmod(numberOf(acc), y));
    }
    return acc;
}

template <bool Max> ErrorOr<Value> extreme(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, SIZE_MAX));
    bool real = false;
    double best = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        VMA_TRY_ASSIGN(double x, numberArg(a[i]));
        real = real || is(a[i], Type::Real);
        if (i == 0 || (Max ? x > best : x < best))
            best = x;
    }
    return real ? makeReal(best) : makeInt(static_cast<int32_t>(best));
}

ErrorOr<Value> absolute(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(numberArg(a[0]));
    if (is(a[0], Type::Int))
        return makeInt(wrap(std::llabs(int64_t{a[0]->integer})));
    return makeReal(std::fabs(a[0]->real));
}

ErrorOr<Value> fix(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    if (is(a[0], Type::Int))
        return a[0];
    double t = std::trunc(x);
    if (t > 2147483647.0 || t < -2147483648.0)
        return makeReal(t);
    return makeInt(static_cast<int32_t>(t));
}

ErrorOr<Value> toFloat(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    return makeReal(x);
}

template <double (*F)(double)> ErrorOr<Value> unary(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    return makeReal(F(x));
}

double sine(double x) {
    return std::sin(x);
}
double cosine(double x) {
    return std::cos(x);
}
double exponent(double x) {
    return std::exp(x);
}

ErrorOr<Value> squareRoot(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    if (x < 0)
        return Error{"function undefined for argument: " + std::to_string(x)};
    return makeReal(std::sqrt(x));
}

ErrorOr<Value> logarithm(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    if (x <= 0)
        return Error{"function undefined for argument: " + std::to_string(x)};
    return makeReal(std::log(x));
}

ErrorOr<Value> atan(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(double y, numberArg(a[0]));
    if (a.size() == 1)
        return makeReal(std::atan(y));
    VMA_TRY_ASSIGN(double x, numberArg(a[1]));
    return makeReal(std::atan2(y, x));
}

ErrorOr<Value> expt(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(double base, numberArg(a[0]));
    VMA_TRY_ASSIGN(double power, numberArg(a[1]));
    if (is(a[0], Type::Int) && is(a[1], Type::Int) && a[1]->integer >= 0) {
        int64_t acc = 1;
        for (int32_t i = 0; i < a[1]->integer && i < 64; ++i)
            acc = wrap(acc * a[0]->integer);
        return makeInt(wrap(acc));
    }
    return makeReal(std::pow(base, power));
}

ErrorOr<Value> gcd(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, SIZE_MAX));
    int64_t acc = 0;
    for (const Value& v : a) {
        VMA_TRY_ASSIGN(int32_t n, intArg(v));
        acc = std::gcd(acc, std::llabs(int64_t{n}));
    }
    return makeInt(wrap(acc));
}

template <bool And> ErrorOr<Value> logical(Interp&, const Args& a) {
    uint32_t acc = And ? ~0u : 0u;
    for (const Value& v : a) {
        VMA_TRY_ASSIGN(int32_t n, intArg(v));
        acc = And ? acc & static_cast<uint32_t>(n) : acc | static_cast<uint32_t>(n);
    }
    return makeInt(static_cast<int32_t>(acc));
}

ErrorOr<Value> lsh(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    if (a.empty())
        return makeInt(0);
    VMA_TRY_ASSIGN(int32_t n, intArg(a[0]));
    int32_t by = 0;
    if (a.size() == 2) {
        VMA_TRY_ASSIGN(by, intArg(a[1]));
    }
    uint32_t u = static_cast<uint32_t>(n);
    if (by >= 32 || by <= -32)
        return makeInt(0);
    return makeInt(static_cast<int32_t>(by >= 0 ? u << by : u >> -by));
}

ErrorOr<Value> complement(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(int32_t n, intArg(a[0]));
    return makeInt(~n);
}

template <bool (*Test)(double)> ErrorOr<Value> numberTest(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(double x, numberArg(a[0]));
    return truth(Test(x));
}

bool negative(double x) {
    return x < 0;
}
bool isZero(double x) {
    return x == 0;
}

ErrorOr<Value> numberp(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    return truth(isNumber(a[0]));
}

const Registrar registrar{
    {L"+", add},
    {L"-", sub},
    {L"*", mul},
    {L"/", divide},
    {L"1+", inc},
    {L"1-", dec},
    {L"=", chain<isEq>},
    {L"/=", chain<isNe>},
    {L"<", chain<isLt>},
    {L"<=", chain<isLe>},
    {L">", chain<isGt>},
    {L">=", chain<isGe>},
    {L"REM", rem},
    {L"MAX", extreme<true>},
    {L"MIN", extreme<false>},
    {L"ABS", absolute},
    {L"FIX", fix},
    {L"FLOAT", toFloat},
    {L"SIN", unary<sine>},
    {L"COS", unary<cosine>},
    {L"EXP", unary<exponent>},
    {L"SQRT", squareRoot},
    {L"LOG", logarithm},
    {L"ATAN", atan},
    {L"EXPT", expt},
    {L"GCD", gcd},
    {L"LOGAND", logical<true>},
    {L"LOGIOR", logical<false>},
    {L"LSH", lsh},
    {L"~", complement},
    {L"MINUSP", numberTest<negative>},
    {L"ZEROP", numberTest<isZero>},
    {L"NUMBERP", numberp},
};

} // namespace

} // namespace vma::lisp
