#include "host/arx/commands.h"

#include "acedads.h"
#include "adscodes.h"
#include "host/arx/by_name.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/input/commands.h"

#include <array>

namespace vma::arx {
namespace {

void say(std::wstring_view text) {
    host::Session::get().print(text);
}

// A file name from the prompt; nullopt on Esc or Enter.
std::optional<std::wstring> askName(const wchar_t* prompt) {
    std::array<wchar_t, 1024> name{};
    if (acedGetString(0, prompt, name.data(), name.size()) != RTNORM || name[0] == 0)
        return std::nullopt;
    return std::wstring(name.data());
}

void loadNamed() {
    auto name = askName(L"Runtime extension file: ");
    if (!name)
        return;
    auto loaded = loadModule(*name);
    if (loaded.ok())
        say(upperName(loaded.value()->path.filename().wstring()) + L" loaded.\n");
    else
        say(utf8ToWide(loaded.error().message) + L"\n");
}

void unloadNamed() {
    auto name = askName(L"Enter ARX/DBX file name to unload: ");
    if (!name)
        return;
    auto unloaded = unloadModule(*name);
    if (unloaded.ok())
        say(*name + L" successfully unloaded.\n");
    else
        say(utf8ToWide(unloaded.error().message) + L"\n");
}

void listLoaded() {
    say(L"Loaded Runtime Extension Programs:\n");
    for (const auto& m : Loader::get().modules())
        if (!m->unloading)
            say(L"  " + m->pathText + L"\n");
}

void arxCommand() {
    acedInitGet(0, L"? Load Unload Commands Options");
    std::array<wchar_t, 64> option{};
    int status = acedGetKword(L"Enter an option [?/Load/Unload/Commands/Options]: ", option.data(),
                              option.size());
    if (status != RTNORM)
        return;
    std::wstring chosen(option.data());
    if (chosen == L"?")
        listLoaded();
    else if (chosen == L"Load")
        loadNamed();
    else if (chosen == L"Unload")
        unloadNamed();
}

} // namespace

void installCommands() {
    input::CommandRegistry::get().add(L"ARX", arxCommand);
    input::CommandRegistry::get().add(L"ARXUNLOAD", unloadNamed);
}

} // namespace vma::arx
