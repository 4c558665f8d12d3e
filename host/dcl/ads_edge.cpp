#include "host/dcl/ads_edge.h"

#include "host/base/text.h"
#include "host/dcl/runtime.h"

#include <cwchar>

namespace vma::dcl {

Dialog* dialogOf(ads_hdlg hdlg) {
    if (hdlg == nullptr || !Runtime::get().isOpen(hdlg))
        return nullptr;
    return static_cast<Dialog*>(hdlg);
}

Tile* tileOf(ads_hdlg hdlg, const ACHAR* key) {
    Dialog* dialog = dialogOf(hdlg);
    if (dialog == nullptr || key == nullptr)
        return nullptr;
    return dialog->find(wideToUtf8(key));
}

int copyOut(const std::string& text, ACHAR* out, int len) {
    if (out == nullptr || len <= 0)
        return RTERROR;
    std::wstring wide = utf8ToWide(text);
    size_t n = std::min(wide.size(), static_cast<size_t>(len - 1));
    std::wmemcpy(out, wide.data(), n);
    out[n] = 0;
    return RTNORM;
}

} // namespace vma::dcl
