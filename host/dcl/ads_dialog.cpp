// The DCL C functions that load files and run dialogs.
#include "acedads.h"
#include "adsdlg.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/ads_edge.h"
#include "host/dcl/run.h"
#include "host/dcl/runtime.h"

#include <filesystem>

using namespace vma;
using vma::dcl::Runtime;

namespace {

std::wstring withExtension(const ACHAR* name) {
    std::wstring file = name;
    size_t dot = file.rfind(L'.');
    if (dot == std::wstring::npos || file.find_first_of(L"\\/", dot) != std::wstring::npos)
        file += L".dcl";
    return file;
}

void transcript(const std::string& text) {
    host::Session::get().print(utf8ToWide(text + "\n"));
}

int newDialog(const ACHAR* name, int id, CLIENTFUNC cb, std::pair<int, int> at, ads_hdlg* hdlg) {
    if (hdlg != nullptr)
        *hdlg = BAD_DIALOG;
    const dcl::Library* lib = Runtime::get().library(id);
    if (lib == nullptr || name == nullptr || hdlg == nullptr)
        return RTERROR;
    std::string dialogName = wideToUtf8(name);
    auto root = lib->build(dialogName);
    if (!root) {
        transcript(root.error().message);
        return RTERROR;
    }
    if (root.value()->kind != "dialog") {
        transcript(dialogName + " is a " + root.value()->kind + ", not a dialog");
        return RTERROR;
    }
    auto& dialog =
        Runtime::get().open(std::make_unique<dcl::Dialog>(dialogName, std::move(root).value(), cb));
    dialog.x = at.first;
    dialog.y = at.second;
    *hdlg = &dialog;
    return RTNORM;
}

} // namespace

int ads_load_dialog(const ACHAR* dclfile, int* dcl_id) {
    if (dcl_id != nullptr)
        *dcl_id = -1;
    if (dclfile == nullptr || dcl_id == nullptr)
        return RTERROR;
    std::wstring name = withExtension(dclfile);
    ACHAR found[4096];
    if (acedFindFile(name.c_str(), found, std::size(found)) != RTNORM) {
        transcript("dialog file " + wideToUtf8(name) + " not found");
        return RTERROR;
    }
    auto id = Runtime::get().load(std::filesystem::path(wideToUtf8(found)));
    if (!id) {
        transcript(id.error().message);
        return RTERROR;
    }
    *dcl_id = id.value();
    return RTNORM;
}

int ads_unload_dialog(int dcl_id) {
    return Runtime::get().unload(dcl_id) ? RTNORM : RTERROR;
}

int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, ads_hdlg* hdlg) {
    auto& positions = Runtime::get().positions();
    auto it = dlgname == nullptr ? positions.end() : positions.find(wideToUtf8(dlgname));
    return newDialog(dlgname, dcl_id, def_callback,
                     it == positions.end() ? dcl::kDefaultPosition : it->second, hdlg);
}

int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x,
                              int y, ads_hdlg* hdlg) {
    bool useDefault = x == -1 && y == -1;
    return newDialog(dlgname, dcl_id, def_callback,
                     useDefault ? dcl::kDefaultPosition : std::pair(x, y), hdlg);
}

int ads_start_dialog(ads_hdlg hdlg, int* status) {
    dcl::Dialog* dialog = dcl::dialogOf(hdlg);
    if (dialog == nullptr)
        return RTERROR;
    int result = dcl::run(*dialog);
    Runtime::get().close(*dialog);
    if (status != nullptr)
        *status = result;
    return RTNORM;
}

int ads_done_dialog(ads_hdlg hdlg, int status) {
    dcl::Dialog* dialog = dcl::dialogOf(hdlg);
    if (dialog == nullptr)
        return RTERROR;
    dialog->done = true;
    dialog->status = status;
    Runtime::get().positions()[dialog->name()] = {dialog->x, dialog->y};
    return RTNORM;
}

int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result) {
    dcl::Dialog* dialog = dcl::dialogOf(hdlg);
    if (dialog == nullptr)
        return RTERROR;
    if (x_result != nullptr)
        *x_result = dialog->x;
    if (y_result != nullptr)
        *y_result = dialog->y;
    return ads_done_dialog(hdlg, status);
}

int ads_term_dialog(void) {
    Runtime::get().terminateAll();
    return RTNORM;
}
