// The AutoLISP side of module loading: (arxload name [onfailure]),
// (arxunload name [onfailure]) and (arxloaded).
#include "host/arx/by_name.h"
#include "host/arx/loader.h"
#include "host/lisp/builtins.h"

namespace vma::lisp {
namespace {

// With onfailure given a failure returns it; otherwise the failure is an error.
ErrorOr<Value> outcome(const ErrorOr<void>& done, const Args& a) {
    if (done.ok())
        return a[0];
    if (a.size() > 1)
        return a[1];
    return done.error();
}

ErrorOr<Value> arxload(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    auto loaded = arx::loadModule(name);
    return outcome(loaded.ok() ? ErrorOr<void>{} : ErrorOr<void>{loaded.error()}, a);
}

ErrorOr<Value> arxunload(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    return outcome(arx::unloadModule(name), a);
}

ErrorOr<Value> arxloaded(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 0));
    std::vector<Value> names;
    for (const auto& m : arx::Loader::get().modules())
        if (!m->unloading)
            names.push_back(makeStr(m->pathText));
    return fromVector(names);
}

const Registrar registrar{
    {L"ARXLOAD", arxload},
    {L"ARXUNLOAD", arxunload},
    {L"ARXLOADED", arxloaded},
};

} // namespace
} // namespace vma::lisp
