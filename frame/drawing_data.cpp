#include "frame/drawing_data.h"

#include "frame/acad_rx.h"
#include "toolkit/dv_files.h"
#include "toolkit/dv_store.h"
#include "toolkit/dv_vars.h"

#include <cwchar>
#include <map>
#include <memory>

namespace {

constexpr const wchar_t* kStoreName = L"VMADefStruct";
constexpr const wchar_t* kRelease = L"34.92";

// The records, owned here; the store holds pointers to them.
std::map<DvDrawingNode*, std::unique_ptr<VMADefStruct>>& records() {
    static std::map<DvDrawingNode*, std::unique_ptr<VMADefStruct>> all;
    return all;
}

template <size_t N> void copyText(wchar_t (&field)[N], const std::wstring& text) {
    std::wcsncpy(field, text.c_str(), N - 1);
    field[N - 1] = 0;
}

std::wstring defaultLayerFile() {
    return dv_module_dir(L"VMAAPPS", 1).value_or(L"") + L"DAVAVIZE.DUV";
}

} // namespace

VMADefStruct* vma_drawing_data() {
    return static_cast<VMADefStruct*>(dv_store_get_pointer(dv_store_current(), kStoreName));
}

VMADefStruct* vma_drawing_data_create() {
    if (VMADefStruct* existing = vma_drawing_data())
        return existing;
    DvDrawingNode* node = dv_store_current();
    auto& slot = records()[node];
    slot = std::make_unique<VMADefStruct>();
    dv_store_set_pointer(node, kStoreName, slot.get(), 1);
    return slot.get();
}

void vma_drawing_data_free() {
    DvDrawingNode* node = dv_store_current();
    dv_store_delete_all(node, kStoreName, 0, 1);
    records().erase(node);
}

void vma_drawing_data_free_all() {
    records().clear();
}

void vma_drawing_data_defaults() {
    VMADefStruct* record = vma_drawing_data_create();
    *record = VMADefStruct{};
    record->scale = record->mainScale = record->unitFactor = record->dimScale = 1.0;
    copyText(record->unitName, L"MM");
    copyText(record->release, kRelease);
    dv_get_sysvar_real(L"CDATE", record->creationDate);
    copyText(record->layerFile, defaultLayerFile());
}

int vma_drawing_data_read(int mode, double scale, int unitCode) {
    (void)unitCode;
    if (vma_drawing_data() == nullptr)
        dv_repair_acad_rx();
    vma_drawing_data_defaults();
    VMADefStruct* record = vma_drawing_data();
    double dimscale = 1.0;
    if (mode == 1 && scale > 0)
        dimscale = scale;
    else
        dv_get_sysvar_real(L"DIMSCALE", dimscale);
    record->scale = record->mainScale = dimscale / record->unitFactor;
    record->dimScale = record->scale * record->unitFactor;
    return 0;
}

int vma_drawing_data_save() {
    return 0;
}
