#include "host/win/registry_handles.h"

#include "host/win/registry.h"

namespace vma::win {

RegHandles& RegHandles::get() {
    static RegHandles handles;
    return handles;
}

HKEY RegHandles::open(std::shared_ptr<RegKey> key, REGSAM access) {
    auto handle = std::make_unique<RegHandle>(RegHandle{std::move(key), access});
    HKEY hKey = reinterpret_cast<HKEY>(handle.get());
    handles_.emplace(hKey, std::move(handle));
    return hKey;
}

RegHandle* RegHandles::find(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE) {
        RegTree& tree = Registry::get().tree();
        root_.key = hKey == HKEY_CURRENT_USER ? tree.currentUser : tree.localMachine;
        root_.access = KEY_ALL_ACCESS;
        return &root_;
    }
    auto it = handles_.find(hKey);
    return it == handles_.end() ? nullptr : it->second.get();
}

bool RegHandles::close(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE)
        return true;
    return handles_.erase(hKey) > 0;
}

void RegHandles::clear() {
    handles_.clear();
    root_.key.reset();
}

} // namespace vma::win
