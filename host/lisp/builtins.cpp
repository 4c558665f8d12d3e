// Argument checks shared by the built-in functions.
#include "host/lisp/builtins.h"

namespace vma::lisp {

Registrar::Registrar(std::initializer_list<BuiltinEntry> entries) {
    for (const auto& entry : entries)
        registerBuiltin(entry.name, entry.fn);
}

ErrorOr<void> arity(const Args& args, size_t min, size_t max) {
    if (args.size() < min)
        return tooFew();
    if (args.size() > max)
        return tooMany();
    return {};
}

ErrorOr<double> numberArg(const Value& v) {
    if (!isNumber(v))
        return badArgument("numberp", v);
    return numberOf(v);
}

ErrorOr<int32_t> intArg(const Value& v) {
    if (!is(v, Type::Int))
        return badArgument("fixnump", v);
    return v->integer;
}

ErrorOr<std::wstring> stringArg(const Value& v) {
    if (!is(v, Type::Str))
        return badArgument("stringp", v);
    return v->text;
}

ErrorOr<std::vector<double>> pointArg(const Value& v) {
    auto items = toVector(v);
    if (!is(v, Type::Cons) || items.size() < 2 || items.size() > 3)
        return badArgument("2D/3D point", v);
    std::vector<double> xyz;
    for (const Value& item : items) {
        if (!isNumber(item))
            return badArgument("2D/3D point", v);
        xyz.push_back(numberOf(item));
    }
    return xyz;
}

Value point(const std::vector<double>& xyz) {
    std::vector<Value> items;
    for (double c : xyz)
        items.push_back(makeReal(c));
    return fromVector(items);
}

Value truth(bool b) {
    return b ? T : nullptr;
}

} // namespace vma::lisp
