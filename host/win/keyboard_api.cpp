// GetKeyState and the ObjectARX message filters at the C boundary.
#include "aced.h"
#include "host/win/keyboard.h"

extern "C" SHORT GetKeyState(int nVirtKey) {
    return vma::win::Keyboard::get().isDown(nVirtKey) ? static_cast<SHORT>(0x8000) : 0;
}

bool acedRegisterFilterWinMsg(const AcedFilterWinMsgFn pfn) {
    return vma::win::Keyboard::get().addFilter(pfn);
}

bool acedRemoveFilterWinMsg(const AcedFilterWinMsgFn pfn) {
    return vma::win::Keyboard::get().removeFilter(pfn);
}
