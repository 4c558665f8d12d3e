#include "frame/dialog_file.h"

#include "acutads.h"
#include "adsdlg.h"
#include "frame/config.h"
#include "frame/module_path.h"
#include "frame/module_state.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_dcl_file.h"
#include "toolkit/dv_files.h"
#include "toolkit/dv_format.h"
#include "windows.h"

namespace {

// The configured name's file-name part in the module directory, ".DCL"
// added when it has no extension; its own folder does not count.
std::wstring configuredPath(const DvArxApp& app, const std::wstring& configured) {
    std::wstring name = configured.substr(configured.find_last_of(L"\\/:") + 1);
    if (dv_has_extension(name.c_str(), 0) == 0)
        name += L".DCL";
    return app.moduleDir + name;
}

} // namespace

std::wstring dv_dialog_file_path(const DvArxApp& app) {
    std::wstring path = vma_module_path_with_extension(L"DCL");
    std::wstring configured = vma_config_dcl_file_name();
    if (configured.empty())
        return path;
    std::wstring candidate = configuredPath(app, configured);
    if (_waccess(candidate.c_str(), 0) == 0)
        return candidate;
    dv_message_box(
        0, dv_formatf(L"ERROR: DCL-file '%s' not found! Using default.", candidate).c_str());
    return path;
}

void dv_load_dialog_file(const DvArxApp& app) {
    DvModuleState& state = dv_module_state();
    if (state.dclLoads > 0)
        return;
    std::wstring path = dv_dialog_file_path(app);
    if (path.empty())
        return;
    acutPrintf(L"Loading dialog-box %s...", path.c_str());
    int id = -1;
    if (ads_load_dialog(path.c_str(), &id) != RTNORM) {
        std::wstring text =
            dv_formatf(L"%s: Kan dialog-box file \"%s\" niet laden!", app.name, path);
        dv_message_box(0, text.c_str());
        return;
    }
    state.dclId = id;
    ++state.dclLoads;
    dv_set_dcl_id(id);
    acutPrintf(L"...Ready!\n");
}
