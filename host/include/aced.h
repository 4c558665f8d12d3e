// Window-message filters of ObjectARX: a function that sees each message
// before the CAD program handles it and returns true to swallow it.
#pragma once

#include "accmd.h"
#include "windows.h"

using AcedFilterWinMsgFn = bool (*)(MSG*);

// Adds a filter; false when it is null or already registered.
bool acedRegisterFilterWinMsg(const AcedFilterWinMsgFn pfn);
// Removes a filter; false when it was not registered.
bool acedRemoveFilterWinMsg(const AcedFilterWinMsgFn pfn);
