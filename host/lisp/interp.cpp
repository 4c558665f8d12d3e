// Evaluation: symbols look through the dynamic bindings of running functions,
// then the document's globals; lists call functions or special forms.
#include "host/lisp/interp.h"

#include "host/base/text.h"
#include "host/lisp/bridge.h"
#include "host/lisp/convert.h"
#include "host/lisp/printer.h"
#include "host/lisp/reader.h"
#include "host/lisp/specials.h"

#include <unordered_map>

namespace vma::lisp {

namespace {

// Deeper calls than this end in an error rather than a crashed process.
constexpr int kMaxDepth = 1500;

std::unordered_map<std::wstring, Builtin>& builtins() {
    static std::unordered_map<std::wstring, Builtin> table;
    return table;
}

std::string narrow(const std::wstring& s) {
    return wideToUtf8(s);
}

// Symbols with a value in a fresh drawing; setq may shadow them.
Value predefined(std::wstring_view name) {
    if (name == L"PI")
        return makeReal(3.14159265358979323846);
    if (name == L"PAUSE")
        return makeStr(L"\\");
    return nullptr;
}

struct DepthGuard {
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    int& depth_;
};

} // namespace

// Restores the binding stack to its size at construction.
class BindingScope {
public:
    explicit BindingScope(Interp& in) : in_(in), size_(in.bindings_.size()) {}
    ~BindingScope() { in_.bindings_.resize(size_); }
    BindingScope(const BindingScope&) = delete;
    BindingScope& operator=(const BindingScope&) = delete;
    void bind(std::wstring name, Value v) {
        in_.bindings_.emplace_back(std::move(name), std::move(v));
    }

private:
    Interp& in_;
    size_t size_;
};

Error badArgument(const char* predicate, const Value& v) {
    return Error{std::string("bad argument type: ") + predicate + ": " +
                 narrow(toText(v, PrintMode::Prin1))};
}

Error tooFew() {
    return Error{"too few arguments"};
}

Error tooMany() {
    return Error{"too many arguments"};
}

Builtin findBuiltin(std::wstring_view name) {
    auto it = builtins().find(std::wstring(name));
    return it == builtins().end() ? nullptr : it->second;
}

void registerBuiltin(std::wstring name, Builtin fn) {
    builtins()[std::move(name)] = fn;
}

Value Interp::variable(const std::wstring& name) const {
    for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
        if (it->first == name)
            return it->second;
    if (auto it = functions_.find(name); it != functions_.end())
        return it->second;
    if (Value v = stored(name))
        return v;
    if (auto it = others_.find(name); it != others_.end())
        return it->second;
    if (Value ex = definedSubr(*doc_, name))
        return ex;
    if (Builtin fn = findBuiltin(name))
        return makeSubr(name, fn);
    return predefined(name);
}

Value Interp::stored(const std::wstring& name) const {
    if (doc_->symbols.generation() != cacheGeneration_) {
        cache_.clear();
        cacheGeneration_ = doc_->symbols.generation();
    }
    if (auto it = cache_.find(name); it != cache_.end())
        return it->second;
    const host::LispValue* atoms = doc_->symbols.find(name);
    if (!atoms)
        return nullptr;
    Value v = fromAtoms(*atoms);
    cache_[name] = v;
    return v;
}

void Interp::setVariable(const std::wstring& name, Value value) {
    for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it) {
        if (it->first == name) {
            it->second = std::move(value);
            return;
        }
    }
    setGlobal(name, std::move(value));
}

void Interp::setGlobal(const std::wstring& name, Value value) {
    functions_.erase(name);
    others_.erase(name);
    if (isFunction(value)) {
        doc_->symbols.set(name, {});
        functions_[name] = std::move(value);
        return;
    }
    auto atoms = value ? toAtoms(value) : std::nullopt;
    if (atoms) {
        bool current = doc_->symbols.generation() == cacheGeneration_;
        doc_->symbols.set(name, std::move(*atoms));
        if (!current)
            cache_.clear();
        cache_[name] = std::move(value);
        cacheGeneration_ = doc_->symbols.generation();
        return;
    }
    doc_->symbols.set(name, {});
    others_[name] = std::move(value);
}

ErrorOr<Value> Interp::eval(const Value& form) {
    if (!form)
        return Value{};
    if (form->type == Type::Sym)
        return form->text == L"T" ? T : variable(form->text);
    if (form->type != Type::Cons)
        return form;
    DepthGuard guard(depth_);
    if (depth_ > kMaxDepth)
        return Error{"stack limit reached"};
    return evalCall(form);
}

ErrorOr<Value> Interp::evalCall(const Value& form) {
    const Value& head = form->car;
    if (is(head, Type::Sym)) {
        if (Special sp = findSpecial(head->text))
            return sp(*this, form->cdr);
    }
    VMA_TRY_ASSIGN(Value fn, eval(head));
    if (!isFunction(fn)) {
        if (is(head, Type::Sym))
            return Error{"no function definition: " + narrow(head->text)};
        return Error{"bad function: " + narrow(toText(fn, PrintMode::Prin1))};
    }
    Args args;
    for (const Value& arg : toVector(form->cdr)) {
        VMA_TRY_ASSIGN(Value v, eval(arg));
        args.push_back(std::move(v));
    }
    return apply(fn, args);
}

ErrorOr<Value> Interp::apply(const Value& fn, const Args& args) {
    if (is(fn, Type::Subr))
        return fn->builtin(*this, args);
    if (is(fn, Type::ExSubr))
        return callDefined(*this, fn, args);
    if (is(fn, Type::Usubr))
        return applyUser(fn, args);
    return Error{"bad function: " + narrow(toText(fn, PrintMode::Prin1))};
}

ErrorOr<Value> Interp::applyUser(const Value& fn, const Args& args) {
    DepthGuard guard(depth_);
    if (depth_ > kMaxDepth)
        return Error{"stack limit reached"};
    BindingScope scope(*this);
    size_t next = 0;
    bool locals = false;
    for (const Value& param : toVector(fn->car)) {
        if (isSym(param, L"/")) {
            locals = true;
            continue;
        }
        if (!is(param, Type::Sym))
            continue;
        if (locals) {
            scope.bind(param->text, nullptr);
            continue;
        }
        if (next >= args.size())
            return tooFew();
        scope.bind(param->text, args[next++]);
    }
    if (next < args.size())
        return tooMany();
    Value result;
    for (const Value& form : toVector(fn->cdr)) {
        VMA_TRY_ASSIGN(result, eval(form));
    }
    return result;
}

void Interp::report(const Error& error) {
    Value handler = variable(L"*ERROR*");
    std::wstring message = utf8ToWide(error.message);
    if (isFunction(handler)) {
        auto handled = apply(handler, {makeStr(message)});
        if (handled.ok())
            return;
        host::Session::get().print(L"; error: " + utf8ToWide(handled.error().message) + L"\n");
        return;
    }
    if (error.code == kQuitCode)
        return;
    host::Session::get().print(L"; error: " + message + L"\n");
}

bool Interp::returnsQuietly(const Value& form) const {
    return is(form, Type::Cons) && is(form->car, Type::Sym) &&
           is(variable(form->car->text), Type::ExSubr) && endedQuietly();
}

std::wstring Interp::evaluateText(std::wstring_view text) {
    Reader reader(text);
    Value last;
    bool quiet = false;
    // Text evaluated inside a running function (a dialog action) must leave
    // the caller's bindings as they were when it fails.
    size_t outer = bindings_.size();
    for (;;) {
        auto next = reader.next();
        if (!next.ok()) {
            report(next.error());
            return {};
        }
        if (!next.value())
            return quiet ? std::wstring() : toText(last, PrintMode::Prin1);
        auto result = eval(*next.value());
        if (!result.ok()) {
            bindings_.resize(outer);
            report(result.error());
            return {};
        }
        last = std::move(result.value());
        quiet = returnsQuietly(*next.value());
    }
}

Interp& interpreter(host::Document& doc) {
    static std::map<int64_t, std::unique_ptr<Interp>> all;
    auto& slot = all[doc.db->serial()];
    if (!slot || &slot->document() != &doc)
        slot = std::make_unique<Interp>(doc);
    return *slot;
}

Interp& currentInterpreter() {
    return interpreter(host::Session::get().current());
}

} // namespace vma::lisp
