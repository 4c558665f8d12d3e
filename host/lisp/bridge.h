// Functions defined from C++ with acedDefun: their table per document, the
// handlers registered with acedRegFunc, and the call that passes arguments
// through acedGetArgs and takes the result from acedRet*.
#pragma once

#include "host/db/session.h"
#include "host/lisp/value.h"

#include <functional>

namespace vma::lisp {

class Interp;

// Error code of exit and quit: *error* is told, nothing is printed.
constexpr int kQuitCode = -1;

// The acedDefun function of that upper-case name in doc, or nil.
Value definedSubr(host::Document& doc, std::wstring_view name);
ErrorOr<Value> callDefined(Interp& in, const Value& fn, const Args& args);

// What a function defined without acedRegFunc runs (the plug-in loader sends
// kInvkSubrMsg from here). Returns RSRSLT, RSERR or an RT code.
using SubrHook = std::function<int(int code)>;
void setSubrHook(SubrHook hook);

// The application (the plug-in loader's id for a module; nullptr for the host
// itself) whose code runs: functions it defines and handlers it registers are
// its own, and a call of one of them runs with it current again.
const void* currentOwner();
class OwnerScope {
public:
    explicit OwnerScope(const void* owner);
    ~OwnerScope();
    OwnerScope(const OwnerScope&) = delete;
    OwnerScope& operator=(const OwnerScope&) = delete;

private:
    const void* outer_;
};
// Drops the functions and handlers an application defined, in every document.
void forgetOwner(const void* owner);

// While it lives, acedGetFunCode gives code and acedGetArgs nothing: a
// module's command runs under the function code it was added with.
class FunctionCodeScope {
public:
    explicit FunctionCodeScope(int code);
    ~FunctionCodeScope();
    FunctionCodeScope(const FunctionCodeScope&) = delete;
    FunctionCodeScope& operator=(const FunctionCodeScope&) = delete;

private:
    void* outerCall_;
};

} // namespace vma::lisp
