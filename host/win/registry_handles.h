// Open registry keys. An HKEY the platform API hands out is the address of a
// handle object here, which holds the key alive and the access it was opened
// with; the predefined HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE name the roots
// of the current tree and are always open.
#pragma once

#include "host/win/registry_tree.h"
#include "windows.h"

#include <map>
#include <memory>

namespace vma::win {

struct RegHandle {
    std::shared_ptr<RegKey> key;
    REGSAM access = KEY_ALL_ACCESS;
};

class RegHandles {
public:
    static RegHandles& get();

    HKEY open(std::shared_ptr<RegKey> key, REGSAM access);
    // The handle behind hKey (a predefined one for the roots), or nullptr when
    // it is not open.
    RegHandle* find(HKEY hKey);
    // False when hKey is not open.
    bool close(HKEY hKey);
    // Drops every handle, as a new run of the program would start.
    void clear();
    size_t openCount() const { return handles_.size(); }

private:
    RegHandles() = default;
    RegHandle root_;
    std::map<HKEY, std::unique_ptr<RegHandle>> handles_;
};

} // namespace vma::win
