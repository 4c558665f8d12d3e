// Registration services of the run-time system: what a module tells the host
// about itself while it loads, and loading modules by name.
#pragma once

#include "adsdef.h"

// Lets the module be unloaded (modules are locked at load). appId is the
// pointer kInitAppMsg gave. true; false for an unknown id.
bool acrxUnlockApplication(void* appId);
// Keeps the module loaded until acrxUnlockApplication. true; false for an unknown id.
bool acrxLockApplication(void* appId);
// true when the module (file name or path, any case) is loaded and locked.
bool acrxApplicationIsLocked(const ACHAR* modulename);
// Declares that the module works with several open documents. true; false for an unknown id.
bool acrxRegisterAppMDIAware(void* appId);
// true when the module named (file name or path, any case) said it is MDI aware.
bool acrxIsAppMDIAware(const ACHAR* moduleName);
// Loads a module as acedArxLoad does; printit writes the outcome to the
// command line. true when it is loaded (also when it was already).
bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd = false);
// Unloads a module as acedArxUnload does. true when it was loaded and is now gone.
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd = false);
// true when a module of that name is loaded.
bool acrxAppIsLoaded(const ACHAR* pAppName);
