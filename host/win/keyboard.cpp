#include "host/win/keyboard.h"

#include <algorithm>

namespace vma::win {

Keyboard& Keyboard::get() {
    static Keyboard keyboard;
    return keyboard;
}

void Keyboard::setDown(int vk, bool down) {
    if (down)
        down_.insert(vk);
    else
        down_.erase(vk);
}

bool Keyboard::addFilter(AcedFilterWinMsgFn fn) {
    if (fn == nullptr || std::find(filters_.begin(), filters_.end(), fn) != filters_.end())
        return false;
    filters_.push_back(fn);
    return true;
}

bool Keyboard::removeFilter(AcedFilterWinMsgFn fn) {
    auto it = std::find(filters_.begin(), filters_.end(), fn);
    if (it == filters_.end())
        return false;
    filters_.erase(it);
    return true;
}

bool Keyboard::pressKey(int vk) {
    bool wasDown = isDown(vk);
    setDown(vk, true);
    MSG msg{nullptr, WM_KEYDOWN, static_cast<WPARAM>(vk), 1, 0, POINT{0, 0}};
    // A copy, as a filter may remove itself while it runs.
    std::vector<AcedFilterWinMsgFn> filters = filters_;
    bool swallowed = false;
    for (AcedFilterWinMsgFn fn : filters) {
        if (fn(&msg)) {
            swallowed = true;
            break;
        }
    }
    setDown(vk, wasDown);
    return swallowed;
}

void Keyboard::clear() {
    down_.clear();
    filters_.clear();
}

} // namespace vma::win
