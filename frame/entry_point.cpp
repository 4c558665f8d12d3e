// The module's two exported functions: the entry point that receives the CAD
// program's application messages, and the API-version handshake.
#include "frame/messages.h"
#include "rxdefs.h"

namespace {

void handle(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
    case AcRx::kInitAppMsg:
        dv_on_init_app(appId);
        return;
    case AcRx::kUnloadAppMsg:
        dv_on_unload_app();
        return;
    case AcRx::kLoadDwgMsg:
        dv_on_load_drawing();
        return;
    case AcRx::kUnloadDwgMsg:
        dv_on_unload_drawing();
        return;
    case AcRx::kInvkSubrMsg:
        dv_on_invoke_subr();
        return;
    case AcRx::kEndMsg:
        dv_on_end();
        return;
    case AcRx::kSaveMsg:
        dv_on_save();
        return;
    default:
        return;
    }
}

} // namespace

// Every message is answered kRetOK; messages not handled above are ignored.
// Nothing thrown inside gets out to the CAD program.
extern "C" [[gnu::visibility("default")]] AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg,
                                                                          void* appId) {
    try {
        handle(msg, appId);
    } catch (...) {
        // The message's work failed; the CAD program carries on all the same.
    }
    return AcRx::kRetOK;
}

// The release 24 object model.
extern "C" [[gnu::visibility("default")]] int acrxGetApiVersion() {
    return ACRX_API_VERSION;
}
