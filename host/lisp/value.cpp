// Constructors and comparisons of AutoLISP values.
#include "host/lisp/value.h"

#include "host/base/text.h"

#include <cmath>

namespace vma::lisp {

Node::~Node() {
    while (cdr && cdr.use_count() == 1) {
        // The cdr is freed here with its own cdr detached, so no destructor recurses.
        auto& next = const_cast<Node&>(*cdr);
        Value rest = std::move(next.cdr);
        cdr = std::move(rest);
    }
}

namespace {

std::shared_ptr<Node> fresh(Type type) {
    auto node = std::make_shared<Node>();
    node->type = type;
    return node;
}

} // namespace

const Value T = makeSym(L"T");

Value makeInt(int32_t n) {
    auto node = fresh(Type::Int);
    node->integer = n;
    return node;
}

Value makeReal(double r) {
    auto node = fresh(Type::Real);
    node->real = r;
    return node;
}

Value makeStr(std::wstring s) {
    auto node = fresh(Type::Str);
    node->text = std::move(s);
    return node;
}

Value makeSym(std::wstring_view name) {
    auto node = fresh(Type::Sym);
    node->text = upperName(name);
    return node;
}

Value cons(Value car, Value cdr) {
    auto node = fresh(Type::Cons);
    node->car = std::move(car);
    node->cdr = std::move(cdr);
    return node;
}

Value makeName(Type type, const int64_t name[2]) {
    auto node = fresh(type);
    node->name[0] = name[0];
    node->name[1] = name[1];
    return node;
}

Value makeFile(std::shared_ptr<FILE> file, std::wstring name) {
    auto node = fresh(Type::File);
    node->file = std::move(file);
    node->text = std::move(name);
    return node;
}

Value makeSubr(std::wstring name, Builtin fn) {
    auto node = fresh(Type::Subr);
    node->text = std::move(name);
    node->builtin = fn;
    return node;
}

Value makeExSubr(std::wstring name, int code) {
    auto node = fresh(Type::ExSubr);
    node->text = std::move(name);
    node->integer = code;
    return node;
}

Value makeUsubr(Value params, Value body) {
    auto node = fresh(Type::Usubr);
    node->car = std::move(params);
    node->cdr = std::move(body);
    return node;
}

double numberOf(const Value& v) {
    return is(v, Type::Int) ? v->integer : v->real;
}

Value fromVector(const std::vector<Value>& items, Value tail) {
    Value list = std::move(tail);
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        list = cons(*it, std::move(list));
    return list;
}

std::vector<Value> toVector(const Value& list) {
    std::vector<Value> items;
    for (const Node* cell = list.get(); cell && cell->type == Type::Cons; cell = cell->cdr.get())
        items.push_back(cell->car);
    return items;
}

size_t listLength(const Value& list) {
    size_t n = 0;
    for (const Node* cell = list.get(); cell && cell->type == Type::Cons; cell = cell->cdr.get())
        ++n;
    return n;
}

bool eq(const Value& a, const Value& b) {
    if (a == b)
        return true;
    if (!a || !b || a->type != b->type)
        return false;
    switch (a->type) {
    case Type::Sym:
        return a->text == b->text;
    case Type::Int:
        return a->integer == b->integer;
    case Type::Ename:
    case Type::Pickset:
        return a->name[0] == b->name[0] && a->name[1] == b->name[1];
    default:
        return false;
    }
}

bool equal(const Value& a, const Value& b, double fuzz) {
    const Node* x = a.get();
    const Node* y = b.get();
    while (x && y && x->type == Type::Cons && y->type == Type::Cons) {
        if (!equal(x->car, y->car, fuzz))
            return false;
        x = x->cdr.get();
        y = y->cdr.get();
    }
    if (!x || !y)
        return x == y;
    if (isNumber(Value(a, x)) && isNumber(Value(b, y)) &&
        (x->type == Type::Real || y->type == Type::Real))
        return std::fabs(numberOf(Value(a, x)) - numberOf(Value(b, y))) <= fuzz;
    if (x->type == Type::Str && y->type == Type::Str)
        return x->text == y->text;
    if (x->type == Type::Real && y->type == Type::Real)
        return x->real == y->real;
    return eq(Value(a, x), Value(b, y));
}

} // namespace vma::lisp
