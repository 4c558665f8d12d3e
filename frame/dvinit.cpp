#include "frame/dvinit.h"

#include "frame/config.h"
#include "frame/module_state.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_catalogue.h"

namespace {

constexpr int kVariants = 3;
constexpr int kTitleSection = 3;

} // namespace

void dvinit() {
    DvModuleState& state = dv_module_state();
    if (state.initialised)
        return;
    state.initialised = true;
    int language = vma_config_language();
    if (language != 0)
        dv_catalogue_open(nullptr, kVariants, language);
    dv_load_alert_titles(kTitleSection, 1, state.versionTag.c_str());
}
