// The commands the command prompt knows, by name: the command engine and the
// plug-in loader fill the registry; the script runner and the interactive
// console look names up here.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vma::input {

// A command reads its own input from the engine once it runs.
using CommandFn = std::function<void()>;

class CommandRegistry {
public:
    static CommandRegistry& get();

    // Commands defined elsewhere (AutoLISP C: functions), asked for a name
    // the registry does not hold; an empty function when there is none.
    using Finder = std::function<CommandFn(std::wstring_view name)>;

    // Adds or replaces a command (names in any case). A transparent one also
    // runs when a prompt of another command reads 'name.
    void add(std::wstring_view name, CommandFn fn, bool transparent = false);
    void remove(std::wstring_view name);
    const CommandFn* find(std::wstring_view name) const;
    const CommandFn* findTransparent(std::wstring_view name) const;
    // A registered command, else the finder's; empty when neither knows the name.
    CommandFn lookup(std::wstring_view name) const;
    // Drops the commands; the finder stays.
    void clear() {
        commands_.clear();
        transparent_.clear();
    }
    void setFinder(Finder finder) { finder_ = std::move(finder); }

private:
    std::map<std::wstring, CommandFn> commands_;
    std::map<std::wstring, bool> transparent_;
    Finder finder_;
};

// "_LINE", ".LINE", "'ZOOM": language and redefinition prefixes name the same command.
std::wstring_view bareCommandName(std::wstring_view token);
// Writes the command line's complaint about a name no command has.
void sayUnknownCommand(std::wstring_view name);

// Runs a known command with its name in CMDNAMES and CMDACTIVE set (bit 1, and
// 4 from a script), restoring both afterwards; nested runs stack.
void runCommand(std::wstring_view name, const CommandFn& fn, bool fromScript);
// Runs a transparent command inside another one's prompt: its name joins
// CMDNAMES after a quote and CMDACTIVE gets bit 2, both restored afterwards.
void runTransparent(std::wstring_view name, const CommandFn& fn);

// Told as each command run starts and ends, nested runs too, with the name
// runCommand got: the undo log makes each outermost run one step.
struct CommandWatcher {
    std::function<void(std::wstring_view name)> started;
    std::function<void(std::wstring_view name)> ended;
};
void setCommandWatcher(CommandWatcher watcher);

} // namespace vma::input
