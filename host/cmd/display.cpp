// MENU and REGEN: the host draws nothing on a screen and has no menus, so
// MENU records the file asked for and REGEN only reports.
#include "host/cmd/display.h"

#include "acedads.h"
#include "host/cmd/current.h"
#include "host/cmd/text_commands.h"

#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

void menuCommand() {
    auto name = askLine(L"Enter menu file name or [. (for none)] <acad>: ", true);
    if (!name)
        return;
    std::wstring file = name->empty() ? L"acad" : *name;
    requestedMenus().push_back(file);
    print(fmt::format(L"Menu \"{}\" noted; this host shows no menus.\n", file));
}

void regenCommand() {
    print(intVar("TILEMODE") == 0 ? L"Regenerating layout.\n" : L"Regenerating model.\n");
}

} // namespace

std::vector<std::wstring>& requestedMenus() {
    static std::vector<std::wstring> menus;
    return menus;
}

void addDisplayCommands(input::CommandRegistry& registry) {
    registry.add(L"MENU", menuCommand);
    registry.add(L"REGEN", regenCommand);
}

} // namespace vma::cmd
