#include "host/input/commands.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

namespace vma::input {
namespace {

host::SysvarValue current(std::string_view name) {
    auto v = host::getSysvar(host::Session::get(), name);
    return v.ok() ? v.value() : host::SysvarValue{};
}

void setInternal(std::string_view name, const host::SysvarValue& value) {
    (void)host::setSysvarInternal(host::Session::get(), name, value);
}

// Puts the variables back however the command ends.
class CommandScope {
public:
    CommandScope(std::wstring_view name, int bits)
        : names_(current("CMDNAMES")), active_(current("CMDACTIVE")) {
        std::string joined = names_.text.empty() ? "" : names_.text + "'";
        setInternal("CMDNAMES", host::SysvarValue::ofText(joined + wideToUtf8(upperName(name))));
        setInternal("CMDACTIVE",
                    host::SysvarValue::ofShort(static_cast<short>(active_.integer | bits)));
    }
    ~CommandScope() {
        setInternal("CMDNAMES", names_);
        setInternal("CMDACTIVE", active_);
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    host::SysvarValue names_, active_;
};

} // namespace

CommandRegistry& CommandRegistry::get() {
    static CommandRegistry registry;
    return registry;
}

void CommandRegistry::add(std::wstring_view name, CommandFn fn, bool transparent) {
    std::wstring key = upperName(name);
    commands_[key] = std::move(fn);
    if (transparent)
        transparent_[key] = true;
    else
        transparent_.erase(key);
}

void CommandRegistry::remove(std::wstring_view name) {
    commands_.erase(upperName(name));
    transparent_.erase(upperName(name));
}

const CommandFn* CommandRegistry::findTransparent(std::wstring_view name) const {
    return transparent_.contains(upperName(name)) ? find(name) : nullptr;
}

const CommandFn* CommandRegistry::find(std::wstring_view name) const {
    auto it = commands_.find(upperName(name));
    return it == commands_.end() ? nullptr : &it->second;
}

std::wstring_view bareCommandName(std::wstring_view token) {
    while (!token.empty() && (token[0] == L'_' || token[0] == L'.' || token[0] == L'\''))
        token.remove_prefix(1);
    return token;
}

void sayUnknownCommand(std::wstring_view name) {
    say(L"Unknown command \"" + upperName(name) + L"\".  Press F1 for help.\n");
}

void runCommand(std::wstring_view name, const CommandFn& fn, bool fromScript) {
    CommandScope scope(name, 1 | (fromScript ? 4 : 0));
    fn();
}

void runTransparent(std::wstring_view name, const CommandFn& fn) {
    CommandScope scope(name, 2);
    fn();
}

} // namespace vma::input
