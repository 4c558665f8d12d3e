#include "frame/command_hooks.h"

#include "commands/dimstyle_convert.h"
#include "frame/config.h"
#include "frame/drawing_data.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"

namespace {

constexpr int kBlockEditWarning = 125;

bool storedNonZero(const wchar_t* name) {
    int value = 0;
    return dv_store_get_int(dv_store_current(), name, value) == 0 && value != 0;
}

void warnOfBlockEdit(const DvArxApp& app) {
    if (storedNonZero(L"VmaEditBlokActive"))
        dv_catalogue_print(app.titleSection, kBlockEditWarning);
}

// The drawing scale follows a DIMSCALE changed by hand; the main scale stays.
void followDimscale() {
    VMADefStruct* record = vma_drawing_data();
    double dimscale = 0;
    if (record == nullptr || record->unitFactor <= 0 ||
        dv_get_sysvar_real(L"DIMSCALE", dimscale) != 0)
        return;
    record->scale = dimscale / record->unitFactor;
    record->dimScale = record->scale * record->unitFactor;
}

void convertDimstylesOnce() {
    if (storedNonZero(L"VmaConvertDimstyles"))
        return;
    if (vma_config_convert_dimstyles() == 1)
        vma_convert_dimstyles();
    dv_store_set_int(dv_store_current(), L"VmaConvertDimstyles", 1, 1);
}

} // namespace

int dv_pre_command_hook(DvArxApp& app) {
    warnOfBlockEdit(app);
    followDimscale();
    convertDimstylesOnce();
    return 1;
}

void dv_post_command_hook(DvArxApp& app) {
    warnOfBlockEdit(app);
}
