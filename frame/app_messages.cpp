// Loading and unloading the module.
#include "aced.h"
#include "acedads.h"
#include "frame/app.h"
#include "frame/command_hooks.h"
#include "frame/command_table.h"
#include "frame/config.h"
#include "frame/dispatch.h"
#include "frame/drawing_data.h"
#include "frame/help_filter.h"
#include "frame/messages.h"
#include "frame/module_state.h"
#include "rxregsvc.h"
#include "toolkit/dv_acad_version.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_store.h"

namespace {

constexpr int kLanguages = 3;
constexpr int kTitleSection = 1;

void dropAllStores() {
    vma_drawing_data_free_all();
    dv_store_drop(1);
}

} // namespace

void dv_discard_block_edit() {
    dv_store_delete_all(dv_store_current(), L"VmaEditBlok", 0, 0);
}

void dv_on_init_app(void* appId) {
    acrxUnlockApplication(appId);
    DvModuleState& state = dv_module_state();
    dv_help_filter_reset();
    if (!state.helpFilterInstalled)
        state.helpFilterInstalled = acedRegisterFilterWinMsg(dv_help_filter);
    acrxRegisterAppMDIAware(appId);
    DvArxApp& app =
        dv_app_create(dv_command_table(), L"VMAAPPS", L"34", L"", kLanguages, kTitleSection);
    app.preHook = dv_pre_command_hook;
    app.postHook = dv_post_command_hook;
    wchar_t tag[16] = {};
    dv_acad_version(tag);
    state.versionTag = tag;
}

void dv_on_invoke_subr() {
    dv_call_row(acedGetFunCode());
}

void dv_on_unload_app() {
    vma_config_write_back();
    dv_catalogue_close();
    // An unfinished in-place block edit lives in the stores, which go below.
    DvModuleState& state = dv_module_state();
    if (state.helpFilterInstalled)
        acedRemoveFilterWinMsg(dv_help_filter);
    dropAllStores();
    if (DvArxApp* app = dv_app()) {
        dv_app_unregister(*app);
        dv_catalogue_close();
        dropAllStores();
        dv_app_destroy();
    }
    dv_help_filter_reset();
    state = DvModuleState{};
}
