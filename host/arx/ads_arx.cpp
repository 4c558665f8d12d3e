// The C boundary of module loading: acedArxLoad and friends, and the
// registration services a module calls while it loads.
#include "acedads.h"
#include "acutads.h"
#include "adscodes.h"
#include "host/arx/by_name.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/win/modules.h"
#include "rxregsvc.h"

namespace {

using vma::arx::Loader;
using vma::arx::Module;

void complain(const vma::Error& error) {
    vma::host::Session::get().print(L"\n" + vma::utf8ToWide(error.message) + L"\n");
}

Module* byName(const ACHAR* name) {
    return name ? Loader::get().find(name) : nullptr;
}

} // namespace

int acedArxLoad(const ACHAR* app) {
    if (app == nullptr)
        return RTERROR;
    auto loaded = vma::arx::loadModule(app);
    if (loaded.ok())
        return RTNORM;
    complain(loaded.error());
    return RTERROR;
}

int acedArxUnload(const ACHAR* app) {
    if (app == nullptr)
        return RTERROR;
    auto unloaded = vma::arx::unloadModule(app);
    if (unloaded.ok())
        return RTNORM;
    complain(unloaded.error());
    return RTERROR;
}

resbuf* acedArxLoaded() {
    vma::host::RbList list;
    for (const auto& m : Loader::get().modules()) {
        if (m->unloading)
            continue;
        resbuf* rb = acutNewRb(RTSTR);
        rb->resval.rstring = vma::mallocWide(m->pathText);
        list.append(rb);
    }
    return list.release();
}

const ACHAR* acedGetAppName() {
    if (Module* m = Loader::get().running())
        return m->pathText.c_str();
    static std::wstring program;
    program = vma::win::Modules::get().file(nullptr).wstring();
    return program.c_str();
}

bool acrxUnlockApplication(void* appId) {
    Module* m = Loader::get().fromAppId(appId);
    if (!m)
        return false;
    m->locked = false;
    return true;
}

bool acrxLockApplication(void* appId) {
    Module* m = Loader::get().fromAppId(appId);
    if (!m)
        return false;
    m->locked = true;
    return true;
}

bool acrxApplicationIsLocked(const ACHAR* modulename) {
    Module* m = byName(modulename);
    return m && m->locked;
}

bool acrxRegisterAppMDIAware(void* appId) {
    Module* m = Loader::get().fromAppId(appId);
    if (!m)
        return false;
    m->mdiAware = true;
    return true;
}

bool acrxIsAppMDIAware(const ACHAR* moduleName) {
    Module* m = byName(moduleName);
    return m && m->mdiAware;
}

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool) {
    if (moduleName == nullptr)
        return false;
    if (byName(moduleName))
        return true;
    auto loaded = vma::arx::loadModule(moduleName);
    if (printit)
        vma::host::Session::get().print(
            loaded.ok() ? L"\n" + std::wstring(moduleName) + L" loaded.\n"
                        : L"\n" + vma::utf8ToWide(loaded.error().message) + L"\n");
    return loaded.ok();
}

bool acrxUnloadModule(const ACHAR* moduleName, bool) {
    return moduleName != nullptr && vma::arx::unloadModule(moduleName).ok();
}

bool acrxAppIsLoaded(const ACHAR* pAppName) {
    return byName(pAppName) != nullptr;
}
