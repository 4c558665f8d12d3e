// The plug-in loader: opens module files with dlopen, checks their API
// version, and sends each one AutoCAD's application messages in AutoCAD's
// order as modules load and unload and documents open, save and close.
#pragma once

#include "host/arx/module.h"
#include "host/base/error.h"
#include "host/db/session.h"
#include "host/lisp/bridge.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace vma::arx {

class Loader : public host::DocumentObserver {
public:
    static Loader& get();

    // Loads the module file (a host path): dlopen, acrxGetApiVersion,
    // kInitAppMsg with its id, then kLoadDwgMsg for each open document (the
    // current one last, so it stays current). A module that refuses
    // kInitAppMsg is closed again and the load fails.
    ErrorOr<Module*> load(const std::filesystem::path& file);
    // kUnloadAppMsg, its commands and LISP functions removed, then dlclose
    // (deferred while the module's own code still runs). Fails for a locked module.
    ErrorOr<void> unload(Module& module);
    // Session end: kEndMsg to every module, kUnloadDwgMsg for each document,
    // then each module unloaded (locked or not), newest first.
    void shutdown();

    // By path, or file name with or without extension, any case; nullptr when not loaded.
    Module* find(std::wstring_view name) const;
    Module* fromAppId(const void* appId) const;
    // The module whose code runs now; nullptr for the host's own.
    Module* running() const;
    const std::vector<std::unique_ptr<Module>>& modules() const { return modules_; }

    // Sends one message with the module marked running; the reply.
    AcRx::AppRetCode send(Module& module, AcRx::AppMsgCode msg, void* pkt);

    void opened(host::Document& doc) override;
    void closing(host::Document& doc) override;
    void saving(host::Document& doc) override;

    // Closes the libraries of modules unloaded while their code still ran.
    void collect();

private:
    Loader();
    // Sends msg to every module with doc current during the call.
    void broadcast(host::Document& doc, AcRx::AppMsgCode msg);
    void release(Module& module);

    std::vector<std::unique_ptr<Module>> modules_;
};

// Marks the module running while it lives (acedGetAppName, functions it
// defines, commands it adds); a module is never closed under a running call.
class RunningScope {
public:
    explicit RunningScope(Module* module);
    ~RunningScope();
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    Module* module_;
    lisp::OwnerScope owner_;
};

} // namespace vma::arx
