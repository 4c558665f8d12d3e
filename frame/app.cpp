#include "frame/app.h"

#include "accmd.h"
#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "frame/dispatch.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_files.h"

#include <memory>

namespace {

std::unique_ptr<DvArxApp>& appSlot() {
    static std::unique_ptr<DvArxApp> app;
    return app;
}

void registerRow(AcEdCommandStack* stack, const DvArxApp& app, int code) {
    const CommandEntry& row = app.table[static_cast<size_t>(code)];
    if (isLispRow(row)) {
        acedDefun(row.name, code);
        acedRegFunc(dv_lisp_entry, code);
        return;
    }
    if (stack != nullptr)
        stack->addCommand(app.name.c_str(), row.name, row.name, row.commandFlags, dv_command_entry,
                          nullptr, code, AcRxResourceInstance::empty(), nullptr);
}

// The module handle and the catalogue, both found in the module directory.
void openFromModuleDir(DvArxApp& app) {
    std::optional<std::wstring> stripped = dv_module_dir(app.name.c_str(), 1);
    if (!stripped)
        return;
    app.moduleDir = *stripped;
    std::wstring own = dv_module_dir(app.name.c_str(), 0).value_or(app.moduleDir);
    app.module = GetModuleHandleW((own + app.name + L".ARX").c_str());
    dv_catalogue_open((app.moduleDir + app.name + L".TXT").c_str(), app.languages, 0);
}

} // namespace

DvArxApp* dv_app() {
    return appSlot().get();
}

DvArxApp& dv_app_create(std::span<const CommandEntry> table, const wchar_t* name,
                        const wchar_t* releaseMajor, const wchar_t* releaseSuffix,
                        int32_t languages, int32_t titleSection) {
    auto app = std::make_unique<DvArxApp>();
    app->name = name;
    app->releaseMajor = releaseMajor;
    app->releaseSuffix = releaseSuffix;
    app->table = table;
    app->languages = languages;
    app->titleSection = titleSection;
    app->headerLine = 1;
    app->helpFile = app->name + L".HLP";
    openFromModuleDir(*app);
    dv_app_register(*app);
    appSlot() = std::move(app);
    return *appSlot();
}

void dv_app_destroy() {
    appSlot().reset();
}

void dv_app_register(DvArxApp& app) {
    AcEdCommandStack* stack = acedRegCmds;
    for (size_t code = 0; code < app.table.size(); ++code)
        registerRow(stack, app, static_cast<int>(code));
    app.registered = 1;
    app.firstCommandRun = 0;
}

void dv_app_unregister(const DvArxApp& app) {
    if (AcEdCommandStack* stack = acedRegCmds)
        stack->removeGroup(app.name.c_str());
}

void dv_app_register_name(const DvArxApp& app) {
    resbuf* entry = acdbTblSearch(L"APPID", app.name.c_str(), 0);
    if (entry != nullptr) {
        acutRelRb(entry);
        return;
    }
    acdbRegApp(app.name.c_str());
}
