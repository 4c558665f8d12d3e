// Application messages and replies of ObjectARX, and the two functions every
// application module defines and exports.
#pragma once

struct AcRx {
    using FcnPtr = void (*)();
    enum AppMsgCode {
        kNullMsg = 0,
        kInitAppMsg = 1,
        kUnloadAppMsg = 2,
        kLoadDwgMsg = 3,
        kUnloadDwgMsg = 4,
        kInvkSubrMsg = 5,
        kCfgMsg = 6,
        kEndMsg = 7,
        kQuitMsg = 8,
        kSaveMsg = 9,
        kDependencyMsg = 10,
        kNoDependencyMsg = 11,
        kOleUnloadAppMsg = 12,
        kPreQuitMsg = 13,
        kInitDialogMsg = 14,
        kEndDialogMsg = 15,
        kSuspendMsg = 16,
    };
    enum AppRetCode {
        kRetOK = 0,
        // At kInitAppMsg the host unloads the module at once; ignored in reply
        // to an unload message.
        kRetError = 3,
    };
};

// The API version the host accepts from a module.
#define ACRX_API_VERSION 0x180000

extern "C" {
// Defined by the module. The host sends, in this order: kInitAppMsg (appId:
// the application id) at load; kLoadDwgMsg for each open drawing and each
// later NEW or OPEN; kInvkSubrMsg for a LISP call of a function the module
// defined with acedDefun and no acedRegFunc handler; kSaveMsg when a drawing
// is saved; kUnloadDwgMsg when a drawing closes; kEndMsg at session end;
// kUnloadAppMsg at unload, after which the module is closed.
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
// Defined by the module: the API version it was built for. A module that
// reports another version than ACRX_API_VERSION is refused.
int acrxGetApiVersion();
}
