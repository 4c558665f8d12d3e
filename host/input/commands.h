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

    // Adds or replaces a command (names in any case). A transparent one also
    // runs when a prompt of another command reads 'name.
    void add(std::wstring_view name, CommandFn fn, bool transparent = false);
    void remove(std::wstring_view name);
    const CommandFn* find(std::wstring_view name) const;
    const CommandFn* findTransparent(std::wstring_view name) const;
    void clear() {
        commands_.clear();
        transparent_.clear();
    }

private:
    std::map<std::wstring, CommandFn> commands_;
    std::map<std::wstring, bool> transparent_;
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

} // namespace vma::input
