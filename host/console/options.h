// What vmacon is asked to do, from its command line, and the exit statuses it
// reports back to the shell or build script that runs it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vma::console {

enum ExitStatus : int {
    kSuccess = 0,
    kUsageError = 1,
    kInputUnreadable = 2, // the drawing or the script cannot be read
    kScriptFailed = 3,
    kOutputUnwritable = 4, // a drawing or preview could not be written
    kModuleUnloadable = 5, // a module (--arx or acad.rx) could not be loaded
};

struct Options {
    std::filesystem::path input;  // empty: start from a new drawing
    std::filesystem::path output; // DXF written at the end
    std::filesystem::path script;
    std::filesystem::path svg;
    std::filesystem::path png;
    std::filesystem::path profile;
    std::vector<std::filesystem::path> support;
    std::vector<std::string> modules; // --arx: loaded after the acad.rx list
    bool quiet = false;
    bool info = false;
    bool interactive = false; // a command prompt on the terminal
};

// The options of argv. On --help (exit status kSuccess) or a usage error
// (kUsageError) the help or the complaint is printed and the status returned
// instead.
struct ParsedOptions {
    std::optional<Options> options;
    int status = kSuccess;
};
ParsedOptions parseOptions(int argc, char** argv);

// Folders of a support path; ';' and ':' both separate, empty entries are dropped.
std::vector<std::filesystem::path> splitSupportPath(std::string_view dirs);

} // namespace vma::console
