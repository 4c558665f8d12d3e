// The AutoLISP evaluator of one document: special forms, dynamic binding of
// function arguments and locals, and global variables kept in the document's
// symbol store, so the ADS functions acedGetSym and acedPutSym see them.
#pragma once

#include "host/db/session.h"
#include "host/lisp/value.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vma::lisp {

class Interp {
public:
    explicit Interp(host::Document& doc) : doc_(&doc) {}

    ErrorOr<Value> eval(const Value& form);
    ErrorOr<Value> apply(const Value& fn, const Args& args);
    // Evaluates each expression of text; errors go through *error* or are
    // printed. The prin1 form of the last value; empty after an error or
    // when the last expression called a function that returned quietly.
    std::wstring evaluateText(std::wstring_view text);

    Value variable(const std::wstring& name) const;
    void setVariable(const std::wstring& name, Value value);
    void setGlobal(const std::wstring& name, Value value);

    host::Document& document() { return *doc_; }
    int depth() const { return depth_; }

private:
    Value stored(const std::wstring& name) const;
    ErrorOr<Value> evalCall(const Value& form);
    ErrorOr<Value> applyUser(const Value& fn, const Args& args);
    ErrorOr<Value> special(const std::wstring& name, const Value& args, bool& handled);
    void report(const Error& error);
    bool returnsQuietly(const Value& form) const;

    host::Document* doc_;
    std::vector<std::pair<std::wstring, Value>> bindings_;
    std::map<std::wstring, Value, std::less<>> functions_;
    std::map<std::wstring, Value, std::less<>> others_;
    // Store values already converted, valid while the store's generation is cacheGeneration_.
    mutable std::map<std::wstring, Value, std::less<>> cache_;
    mutable uint64_t cacheGeneration_ = 0;
    int depth_ = 0;

    friend class BindingScope;
};

// Per-document interpreters; created on first use.
Interp& interpreter(host::Document& doc);
Interp& currentInterpreter();

// The function table of built-in subrs, by upper-case name.
Builtin findBuiltin(std::wstring_view name);
void registerBuiltin(std::wstring name, Builtin fn);

// Error helpers with the CAD program's wording.
Error badArgument(const char* predicate, const Value& v);
Error tooFew();
Error tooMany();

} // namespace vma::lisp
