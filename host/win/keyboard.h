// The keyboard as the driver sets it: which virtual keys are down (read by
// GetKeyState), and the window-message filters the plug-in registers with
// acedRegisterFilterWinMsg, to which the driver delivers key presses.
#pragma once

#include "aced.h"
#include "windows.h"

#include <set>
#include <vector>

namespace vma::win {

class Keyboard {
public:
    static Keyboard& get();

    void setDown(int vk, bool down);
    bool isDown(int vk) const { return down_.count(vk) > 0; }

    bool addFilter(AcedFilterWinMsgFn fn);
    bool removeFilter(AcedFilterWinMsgFn fn);

    // Delivers a WM_KEYDOWN for vk to the filters in the order they were
    // registered, the key down meanwhile; true when a filter swallowed it.
    bool pressKey(int vk);

    // No keys down, no filters.
    void clear();

private:
    Keyboard() = default;
    std::set<int> down_;
    std::vector<AcedFilterWinMsgFn> filters_;
};

} // namespace vma::win
