// What MENU and REGEN leave behind on a host without a screen or menus.
#pragma once

#include <string>
#include <vector>

namespace vma::cmd {

// The menu files MENU was asked to load, in order (this host shows no menus).
std::vector<std::wstring>& requestedMenus();

} // namespace vma::cmd
