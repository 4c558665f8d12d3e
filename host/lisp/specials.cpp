// Special forms: quote, setq, defun and lambda, and the control structures.
#include "host/lisp/specials.h"

#include "host/lisp/printer.h"

#include <unordered_map>

namespace vma::lisp {

namespace {

ErrorOr<Value> progn(Interp& in, const Value& body) {
    Value result;
    for (const Value& form : toVector(body)) {
        VMA_TRY_ASSIGN(result, in.eval(form));
    }
    return result;
}

ErrorOr<Value> quote(Interp&, const Value& args) {
    if (!args)
        return tooFew();
    if (args->cdr)
        return tooMany();
    return args->car;
}

ErrorOr<Value> function(Interp& in, const Value& args) {
    if (!args)
        return tooFew();
    if (is(args->car, Type::Cons) && isSym(args->car->car, L"LAMBDA"))
        return in.eval(args->car);
    return args->car;
}

ErrorOr<Value> setq(Interp& in, const Value& args) {
    auto items = toVector(args);
    if (items.empty())
        return tooFew();
    Value result;
    for (size_t i = 0; i < items.size(); i += 2) {
        if (!is(items[i], Type::Sym) || items[i]->text == L"T")
            return badArgument("symbolp", items[i]);
        if (i + 1 >= items.size())
            return tooFew();
        VMA_TRY_ASSIGN(result, in.eval(items[i + 1]));
        in.setVariable(items[i]->text, result);
    }
    return result;
}

ErrorOr<Value> lambda(Interp&, const Value& args) {
    if (!args || !isList(args->car))
        return badArgument("listp", args ? args->car : nullptr);
    return makeUsubr(args->car, args->cdr);
}

ErrorOr<Value> defun(Interp& in, const Value& args) {
    auto items = toVector(args);
    if (items.size() < 2)
        return tooFew();
    if (!is(items[0], Type::Sym))
        return badArgument("symbolp", items[0]);
    if (!isList(items[1]))
        return badArgument("listp", items[1]);
    Value fn = makeUsubr(items[1], args->cdr->cdr);
    in.setGlobal(items[0]->text, fn);
    return items[0];
}

ErrorOr<Value> ifForm(Interp& in, const Value& args) {
    auto items = toVector(args);
    if (items.size() < 2)
        return tooFew();
    if (items.size() > 3)
        return tooMany();
    VMA_TRY_ASSIGN(Value test, in.eval(items[0]));
    if (test)
        return in.eval(items[1]);
    return items.size() == 3 ? in.eval(items[2]) : ErrorOr<Value>(Value{});
}

ErrorOr<Value> cond(Interp& in, const Value& args) {
    for (const Value& clause : toVector(args)) {
        if (!is(clause, Type::Cons))
            return badArgument("listp", clause);
        VMA_TRY_ASSIGN(Value test, in.eval(clause->car));
        if (!test)
            continue;
        if (!clause->cdr)
            return test;
        return progn(in, clause->cdr);
    }
    return Value{};
}

ErrorOr<Value> whileForm(Interp& in, const Value& args) {
    if (!args)
        return tooFew();
    Value result;
    for (;;) {
        VMA_TRY_ASSIGN(Value test, in.eval(args->car));
        if (!test)
            return result;
        VMA_TRY_ASSIGN(result, progn(in, args->cdr));
    }
}

ErrorOr<Value> repeat(Interp& in, const Value& args) {
    if (!args)
        return tooFew();
    VMA_TRY_ASSIGN(Value count, in.eval(args->car));
    if (!is(count, Type::Int))
        return badArgument("fixnump", count);
    Value result;
    for (int32_t i = 0; i < count->integer; ++i) {
        VMA_TRY_ASSIGN(result, progn(in, args->cdr));
    }
    return result;
}

ErrorOr<Value> foreach (Interp& in, const Value& args) {
    auto items = toVector(args);
    if (items.size() < 2)
        return tooFew();
    if (!is(items[0], Type::Sym))
        return badArgument("symbolp", items[0]);
    VMA_TRY_ASSIGN(Value list, in.eval(items[1]));
    if (!isList(list))
        return badArgument("listp", list);
    Value saved = in.variable(items[0]->text);
    Value result;
    for (const Value& item : toVector(list)) {
        in.setVariable(items[0]->text, item);
        auto step = progn(in, args->cdr->cdr);
        if (!step.ok()) {
            in.setVariable(items[0]->text, saved);
            return step.error();
        }
        result = std::move(step.value());
    }
    in.setVariable(items[0]->text, saved);
    return result;
}

ErrorOr<Value> andForm(Interp& in, const Value& args) {
    for (const Value& form : toVector(args)) {
        VMA_TRY_ASSIGN(Value v, in.eval(form));
        if (!v)
            return Value{};
    }
    return T;
}

ErrorOr<Value> orForm(Interp& in, const Value& args) {
    for (const Value& form : toVector(args)) {
        VMA_TRY_ASSIGN(Value v, in.eval(form));
        if (v)
            return T;
    }
    return Value{};
}

} // namespace

Special findSpecial(std::wstring_view name) {
    static const std::unordered_map<std::wstring_view, Special> table{
        {L"QUOTE", quote},     {L"FUNCTION", function}, {L"SETQ", setq},       {L"LAMBDA", lambda},
        {L"DEFUN", defun},     {L"IF", ifForm},         {L"COND", cond},       {L"PROGN", progn},
        {L"WHILE", whileForm}, {L"REPEAT", repeat},     {L"FOREACH", foreach}, {L"AND", andForm},
        {L"OR", orForm},
    };
    auto it = table.find(name);
    return it == table.end() ? nullptr : it->second;
}

} // namespace vma::lisp
