// The work done for each drawing the CAD program opens, saves and closes.
#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "frame/app.h"
#include "frame/config.h"
#include "frame/dialog_file.h"
#include "frame/drawing_data.h"
#include "frame/dvinit.h"
#include "frame/messages.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_environment.h"
#include "toolkit/dv_layer_config.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"

#include <cwctype>
#include <string>

namespace {

constexpr int kNoticeFirstLine = 12;
constexpr const wchar_t* kGridCommand = L"VMASTRAM";

bool sameNameNoCase(const wchar_t* a, const wchar_t* b) {
    for (; *a != 0 && *b != 0; ++a, ++b)
        if (std::towupper(*a) != std::towupper(*b))
            return false;
    return *a == *b;
}

// The grid-line command can also be called from AutoLISP, as (C:vmastram)
// and (vmastram); both reach its row through kInvkSubrMsg.
void defineGridAliases(const DvArxApp& app) {
    for (size_t code = 0; code < app.table.size(); ++code) {
        const CommandEntry& row = app.table[code];
        if (!sameNameNoCase(row.name, kGridCommand))
            continue;
        std::wstring name = row.name;
        acedDefun((L"C:" + name).c_str(), static_cast<int>(code));
        acedDefun(name.c_str(), static_cast<int>(code));
        return;
    }
}

void setLispVariables(const DvArxApp& app) {
    dv_set_lisp_var(L"#VMADIR", RTSTR, DvValue::ofText(app.moduleDir));
    double date = 0;
    dv_get_sysvar_real(L"DATE", date);
    dv_set_lisp_var(L"#DVAV", RTREAL, DvValue::ofReal(date));
}

// The number of LAYER table entries, counting no further than two.
int layerCount() {
    int count = 0;
    for (resbuf* entry = acdbTblNext(L"LAYER", 1); entry != nullptr && count < 2;
         entry = acdbTblNext(L"LAYER", 0)) {
        acutRelRb(entry);
        ++count;
    }
    return count;
}

bool hasEntities() {
    ads_name first = {};
    return acdbEntNext(nullptr, first) == RTNORM;
}

void showEmptyDrawingNotice(const DvArxApp& app) {
    if (vma_config_empty_drawing_notice() == 1) {
        dv_ads_message(0, app.titleSection, kNoticeFirstLine, RTNONE, {}, kNoticeFirstLine + 1,
                       RTNONE, {}, kNoticeFirstLine + 2, RTNONE, {});
        return;
    }
    for (int line = kNoticeFirstLine; line < kNoticeFirstLine + 3; ++line)
        dv_catalogue_print(app.titleSection, line);
}

void prepareDrawingWithContent(const DvArxApp& app) {
    dv_app_register_name(app);
    vma_drawing_data_read(0, 0, 0);
    for (const wchar_t* name : {L"CMDECHO", L"BLIPMODE", L"ATTDIA"})
        dv_pop_sysvar(name);
    dv_layer_config_open();
    dv_discard_block_edit();
}

} // namespace

void dv_on_load_drawing() {
    DvArxApp* app = dv_app();
    if (app == nullptr)
        return;
    dv_app_register(*app);
    defineGridAliases(*app);
    dvinit();
    vma_drawing_data_create();
    dv_load_dialog_file(*app);
    setLispVariables(*app);
    int layers = layerCount();
    if (layers == 0)
        return;
    if (layers == 1 && !hasEntities()) {
        showEmptyDrawingNotice(*app);
        vma_drawing_data_defaults();
        return;
    }
    prepareDrawingWithContent(*app);
}

void dv_on_unload_drawing() {
    dv_layer_config_release();
    vma_drawing_data_free();
    dv_store_drop(0);
}

void dv_on_save() {
    vma_drawing_data_save();
}

void dv_on_end() {
    vma_drawing_data_save();
    vma_config_write_back();
    dv_discard_block_edit();
}
