// The ADS side of external functions: acedDefun, acedRegFunc, acedGetArgs,
// acedRet* and acedInvoke.
#include "host/lisp/bridge.h"

#include "acedads.h"
#include "acutads.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/lisp/convert.h"
#include "host/lisp/interp.h"
#include "host/lisp/lisp.h"

#include <map>
#include <vector>

namespace vma::lisp {

namespace {

using Handler = int (*)();

struct CallState {
    int code = -1;
    host::RbList args;
    Value result;
};

struct Defined {
    int code = 0;
    const void* owner = nullptr;
};
using DefinedTable = std::map<std::wstring, Defined, std::less<>>;

// Function codes are the defining application's own: two modules may use the same.
struct Registry {
    std::map<int64_t, DefinedTable> defined; // by document serial
    std::map<std::pair<const void*, int>, Handler> handlers;
    SubrHook hook;
    CallState* call = nullptr;
    const void* owner = nullptr;
    std::vector<int> commandCodes;
};

Registry& registry() {
    static Registry r;
    return r;
}

DefinedTable& definedIn(host::Document& doc) {
    return registry().defined[doc.db->serial()];
}

bool hasDocument() {
    return host::Session::get().hasDocument();
}

const void* ownerOf(std::wstring_view name) {
    if (!hasDocument())
        return nullptr;
    auto& table = definedIn(host::Session::get().current());
    auto it = table.find(name);
    return it == table.end() ? nullptr : it->second.owner;
}

int callHandler(int code) {
    auto& r = registry();
    if (auto it = r.handlers.find({r.owner, code}); it != r.handlers.end())
        return it->second();
    if (r.hook)
        return r.hook(code);
    return RTERROR - 1;
}

void setResult(Value v) {
    if (CallState* call = registry().call)
        call->result = std::move(v);
}

} // namespace

Value definedSubr(host::Document& doc, std::wstring_view name) {
    auto& table = definedIn(doc);
    auto it = table.find(name);
    return it == table.end() ? nullptr : makeExSubr(it->first, it->second.code);
}

ErrorOr<Value> callDefined(Interp&, const Value& fn, const Args& args) {
    CallState state;
    state.code = fn->integer;
    for (const Value& arg : args) {
        host::RbList one = toResbufs(arg);
        state.args.append(one.release());
    }
    Registry& r = registry();
    CallState* outer = r.call;
    OwnerScope owner(ownerOf(fn->text));
    r.call = &state;
    int status = callHandler(state.code);
    r.call = outer;
    if (status == RTERROR - 1)
        return Error{"no function definition: " + wideToUtf8(fn->text)};
    if (status == RSERR || status == RTERROR)
        return Error{"ADS request error"};
    return state.result;
}

void setSubrHook(SubrHook hook) {
    registry().hook = std::move(hook);
}

const void* currentOwner() {
    return registry().owner;
}

OwnerScope::OwnerScope(const void* owner) : outer_(registry().owner) {
    registry().owner = owner;
}

OwnerScope::~OwnerScope() {
    registry().owner = outer_;
}

FunctionCodeScope::FunctionCodeScope(int code) : outerCall_(registry().call) {
    registry().call = nullptr;
    registry().commandCodes.push_back(code);
}

FunctionCodeScope::~FunctionCodeScope() {
    registry().commandCodes.pop_back();
    registry().call = static_cast<CallState*>(outerCall_);
}

void forgetOwner(const void* owner) {
    Registry& r = registry();
    for (auto& [serial, table] : r.defined)
        std::erase_if(table, [owner](const auto& entry) { return entry.second.owner == owner; });
    std::erase_if(r.handlers, [owner](const auto& entry) { return entry.first.first == owner; });
}

std::wstring evaluateText(std::wstring_view text) {
    if (!hasDocument())
        return {};
    return currentInterpreter().evaluateText(text);
}

std::function<void()> findCommandFunction(std::wstring_view name) {
    if (!hasDocument())
        return {};
    std::wstring full = L"C:" + upperName(name);
    Interp& in = currentInterpreter();
    Value fn = in.variable(full);
    if (!isFunction(fn))
        return {};
    return [full, &in] { in.evaluateText(L"(" + full + L")"); };
}

} // namespace vma::lisp

using vma::lisp::registry;

int acedDefun(const ACHAR* sname, int funcno) {
    if (sname == nullptr || *sname == 0 || !vma::lisp::hasDocument())
        return RTERROR;
    vma::lisp::definedIn(vma::host::Session::get().current())[vma::upperName(sname)] = {
        funcno, registry().owner};
    return RTNORM;
}

int acedDefunEx(const ACHAR* pGlobalName, const ACHAR* pLocalName, int funcno) {
    (void)pLocalName;
    return acedDefun(pGlobalName, funcno);
}

int acedUndef(const ACHAR* sname, int funcno) {
    if (sname == nullptr || !vma::lisp::hasDocument())
        return RTERROR;
    auto& table = vma::lisp::definedIn(vma::host::Session::get().current());
    auto it = table.find(vma::upperName(sname));
    if (it == table.end() || it->second.code != funcno)
        return RTERROR;
    table.erase(it);
    return RTNORM;
}

int acedRegFunc(int (*fhdl)(), int fcode) {
    auto key = std::make_pair(registry().owner, fcode);
    if (fhdl == nullptr) {
        registry().handlers.erase(key);
        return RTNORM;
    }
    registry().handlers[key] = fhdl;
    return RTNORM;
}

int acedGetFunCode() {
    if (auto* call = registry().call)
        return call->code;
    auto& codes = registry().commandCodes;
    return codes.empty() ? RTERROR : codes.back();
}

resbuf* acedGetArgs() {
    auto* call = registry().call;
    return call ? acutRbDup(call->args.get()) : nullptr;
}

int acedRetVal(const resbuf* rbuf) {
    vma::lisp::setResult(vma::lisp::fromResbufs(rbuf, false));
    return RTNORM;
}

int acedRetList(const resbuf* rbuf) {
    vma::lisp::setResult(vma::lisp::fromResbufs(rbuf, true));
    return RTNORM;
}

int acedRetInt(int ival) {
    vma::lisp::setResult(vma::lisp::makeInt(ival));
    return RTNORM;
}

int acedRetReal(ads_real rval) {
    vma::lisp::setResult(vma::lisp::makeReal(rval));
    return RTNORM;
}

int acedRetStr(const ACHAR* s) {
    vma::lisp::setResult(vma::lisp::makeStr(s ? s : L""));
    return RTNORM;
}

int acedRetPoint(const ads_point pt) {
    using vma::lisp::makeReal;
    vma::lisp::setResult(
        vma::lisp::fromVector({makeReal(pt[0]), makeReal(pt[1]), makeReal(pt[2])}));
    return RTNORM;
}

int acedRetName(const ads_name aname, int type) {
    vma::lisp::Type kind = type == RTPICKS ? vma::lisp::Type::Pickset : vma::lisp::Type::Ename;
    vma::lisp::setResult(vma::lisp::makeName(kind, aname));
    return RTNORM;
}

int acedRetT() {
    vma::lisp::setResult(vma::lisp::T);
    return RTNORM;
}

int acedRetNil() {
    vma::lisp::setResult(nullptr);
    return RTNORM;
}

int acedRetVoid() {
    vma::lisp::setResult(nullptr);
    return RTNORM;
}

int acedInvoke(const resbuf* args, resbuf** result) {
    if (result)
        *result = nullptr;
    if (args == nullptr || args->restype != RTSTR || args->resval.rstring == nullptr ||
        !vma::lisp::hasDocument())
        return RTERROR;
    using namespace vma::lisp;
    Interp& in = currentInterpreter();
    Value fn = in.variable(vma::upperName(args->resval.rstring));
    if (!isFunction(fn))
        return RTERROR;
    Value list = fromResbufs(args->rbnext, true);
    auto value = in.apply(fn, toVector(list));
    if (!value.ok())
        return RTERROR;
    if (result)
        *result = toResbufs(value.value()).release();
    return RTNORM;
}
