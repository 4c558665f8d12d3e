#include "host/arx/loader.h"

#include "adscodes.h"
#include "host/arx/command_stack.h"
#include "host/win/modules.h"

#include <dlfcn.h>
#include <fmt/format.h>

namespace vma::arx {
namespace {

using ApiVersion = int (*)();

std::string dlError() {
    const char* text = dlerror();
    return text ? text : "unknown error";
}

// Makes doc current for one message and puts the current document back after,
// unless the message closed it.
class DocumentScope {
public:
    explicit DocumentScope(host::Document& doc) {
        host::Session& session = host::Session::get();
        if (session.hasDocument())
            serial_ = session.current().db->serial();
        session.makeCurrent(doc);
    }
    ~DocumentScope() {
        host::Session& session = host::Session::get();
        if (host::Document* doc = session.findBySerial(serial_))
            session.makeCurrent(*doc);
    }
    DocumentScope(const DocumentScope&) = delete;
    DocumentScope& operator=(const DocumentScope&) = delete;

private:
    int64_t serial_ = -1;
};

ErrorOr<void> openLibrary(Module& m) {
    dlerror();
    m.library = dlopen(m.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m.library)
        return Error{"cannot open the module: " + dlError()};
    m.entry = reinterpret_cast<EntryPoint>(dlsym(m.library, "acrxEntryPoint"));
    if (!m.entry)
        return Error{"the module has no acrxEntryPoint"};
    auto version = reinterpret_cast<ApiVersion>(dlsym(m.library, "acrxGetApiVersion"));
    if (!version)
        return Error{"the module has no acrxGetApiVersion"};
    if (int v = version(); v != ACRX_API_VERSION)
        return Error{fmt::format("the module was built for API version {:#x}, the host has {:#x}",
                                 v, ACRX_API_VERSION)};
    return {};
}

// A LISP call of a function a module defined without a handler: the bridge
// has marked the defining module running; it gets kInvkSubrMsg.
int invokeSubr(int) {
    Module* module = Loader::get().running();
    if (!module)
        return RTERROR - 1;
    return Loader::get().send(*module, AcRx::kInvkSubrMsg, nullptr) == AcRx::kRetOK ? RSRSLT
                                                                                    : RSERR;
}

// Removes what the module registered, so nothing points into its code.
void forget(Module& m) {
    CommandStack::get().removeModule(&m);
    lisp::forgetOwner(m.appId());
}

} // namespace

Loader& Loader::get() {
    static Loader loader;
    return loader;
}

Loader::Loader() {
    host::Session::get().addObserver(this);
}

ErrorOr<Module*> Loader::load(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(file, ec).lexically_normal();
    if (find(path.wstring()))
        return Error{path.string() + ": the module is loaded already"};
    auto owned = std::make_unique<Module>();
    Module& m = *owned;
    m.path = path;
    m.pathText = path.wstring();
    if (auto opened = openLibrary(m); !opened.ok()) {
        if (m.library)
            dlclose(m.library);
        return Error{path.string() + ": " + opened.error().message};
    }
    m.winModule = win::Modules::get().add(path, m.library);
    lisp::setSubrHook(invokeSubr);
    modules_.push_back(std::move(owned));
    if (send(m, AcRx::kInitAppMsg, m.appId()) == AcRx::kRetError) {
        forget(m);
        m.unloading = true;
        collect();
        return Error{path.string() + ": the module refused to initialise (kRetError)"};
    }
    host::Session& session = host::Session::get();
    if (!session.hasDocument())
        return &m;
    host::Document& current = session.current();
    for (size_t i = 0; i < session.documents().size(); ++i) {
        host::Document& doc = *session.documents()[i];
        if (&doc == &current)
            continue;
        DocumentScope scope(doc);
        send(m, AcRx::kLoadDwgMsg, nullptr);
    }
    send(m, AcRx::kLoadDwgMsg, nullptr);
    return &m;
}

ErrorOr<void> Loader::unload(Module& module) {
    if (module.locked)
        return Error{module.path.string() + ": the module is locked (acrxUnlockApplication)"};
    release(module);
    return {};
}

void Loader::release(Module& module) {
    send(module, AcRx::kUnloadAppMsg, module.appId());
    forget(module);
    module.unloading = true;
    collect();
}

void Loader::shutdown() {
    host::Session& session = host::Session::get();
    if (session.hasDocument())
        broadcast(session.current(), AcRx::kEndMsg);
    for (size_t i = 0; i < session.documents().size(); ++i)
        broadcast(*session.documents()[i], AcRx::kUnloadDwgMsg);
    while (!modules_.empty()) {
        Module* newest = nullptr;
        for (auto it = modules_.rbegin(); it != modules_.rend() && !newest; ++it)
            if (!(*it)->unloading)
                newest = it->get();
        if (!newest)
            break;
        release(*newest);
    }
}

Module* Loader::find(std::wstring_view name) const {
    HMODULE handle = win::Modules::get().find(name);
    for (const auto& m : modules_)
        if (!m->unloading && (m->pathText == name || (handle && m->winModule == handle)))
            return m.get();
    return nullptr;
}

Module* Loader::fromAppId(const void* appId) const {
    for (const auto& m : modules_)
        if (m.get() == appId && !m->unloading)
            return m.get();
    return nullptr;
}

Module* Loader::running() const {
    const void* owner = lisp::currentOwner();
    for (const auto& m : modules_)
        if (m.get() == owner)
            return m.get();
    return nullptr;
}

AcRx::AppRetCode Loader::send(Module& module, AcRx::AppMsgCode msg, void* pkt) {
    RunningScope running(&module);
    try {
        return module.entry(msg, pkt);
    } catch (...) {
        host::Session::get().print(L"\n; error: " + module.path.filename().wstring() +
                                   L" let an exception escape its entry point\n");
        return AcRx::kRetError;
    }
}

void Loader::broadcast(host::Document& doc, AcRx::AppMsgCode msg) {
    DocumentScope scope(doc);
    for (size_t i = 0; i < modules_.size(); ++i)
        if (!modules_[i]->unloading)
            send(*modules_[i], msg, nullptr);
}

void Loader::opened(host::Document& doc) {
    broadcast(doc, AcRx::kLoadDwgMsg);
}

void Loader::closing(host::Document& doc) {
    broadcast(doc, AcRx::kUnloadDwgMsg);
}

void Loader::saving(host::Document& doc) {
    broadcast(doc, AcRx::kSaveMsg);
}

void Loader::collect() {
    for (size_t i = 0; i < modules_.size();) {
        Module& m = *modules_[i];
        if (!m.unloading || m.busy > 0) {
            ++i;
            continue;
        }
        win::Modules::get().remove(m.winModule);
        dlclose(m.library);
        modules_.erase(modules_.begin() + static_cast<long>(i));
    }
}

RunningScope::RunningScope(Module* module) : module_(module), owner_(module) {
    if (module_)
        ++module_->busy;
}

RunningScope::~RunningScope() {
    if (!module_)
        return;
    if (--module_->busy == 0 && module_->unloading)
        Loader::get().collect();
}

} // namespace vma::arx
