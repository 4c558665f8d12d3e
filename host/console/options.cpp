#include "host/console/options.h"

#include <CLI/CLI.hpp>

namespace vma::console {
namespace {

constexpr const char* kDescription =
    "vmacon - the headless CAD host on the command line.\n"
    "Opens a drawing (or starts a new one), runs a script on it, and saves the\n"
    "result as R2000 DXF with optional SVG and PNG previews of model space.";

constexpr const char* kFooter =
    "Reader warnings are printed to stderr as FILE:LINE: warning: ... unless -q.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  usage error (unknown option, missing value)\n"
    "  2  the drawing or the script cannot be read (stderr names the file and line)\n"
    "  3  the script failed\n"
    "  4  a drawing or preview could not be written\n"
    "  5  a module (--arx, or a line of the acad.rx found on the support path)\n"
    "     could not be loaded (stderr says why)\n"
    "\n"
    "Example:\n"
    "  vmacon -i samples/fundering.dxf --info -o out/demo.dxf --svg out/demo.svg";

} // namespace

std::vector<std::filesystem::path> splitSupportPath(std::string_view dirs) {
    std::vector<std::filesystem::path> out;
    while (!dirs.empty()) {
        size_t end = dirs.find_first_of(";:");
        std::string_view part = dirs.substr(0, end);
        if (!part.empty())
            out.emplace_back(part);
        if (end == std::string_view::npos)
            break;
        dirs.remove_prefix(end + 1);
    }
    return out;
}

ParsedOptions parseOptions(int argc, char** argv) {
    Options o;
    std::string support;
    CLI::App app(kDescription, "vmacon");
    app.footer(kFooter);
    app.add_option("-i,--input", o.input, "Drawing (DXF, R12 or R2000) to open; else a new one")
        ->type_name("FILE");
    app.add_option("-o,--output", o.output, "Save the drawing as R2000 DXF at the end")
        ->type_name("FILE");
    app.add_option("-s,--script", o.script, "Script to run on the drawing")->type_name("FILE");
    app.add_option("--svg", o.svg, "Write an SVG preview of model space")->type_name("FILE");
    app.add_option("--png", o.png, "Write a PNG preview of model space")->type_name("FILE");
    app.add_option("--profile", o.profile, "Host profile folder (registry, drive_c)")
        ->type_name("DIR");
    app.add_option("--support", support, "Support path: folders separated by ';' or ':'")
        ->type_name("DIRS");
    app.add_option("--arx", o.modules,
                   "Load an application module after the drawing is open (repeatable; modules "
                   "listed in an acad.rx on the support path load first)")
        ->type_name("FILE");
    app.add_flag("--interactive", o.interactive,
                 "Read commands from the terminal (the default without -s when stdin is one)");
    app.add_flag("-q,--quiet", o.quiet, "Print no warnings or progress, only errors");
    app.add_flag("--info", o.info,
                 "Print a summary: entities per type and layer, blocks, layers, extents, "
                 "handle seed");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int status = app.exit(e);
        return {std::nullopt, status == 0 ? kSuccess : kUsageError};
    }
    o.support = splitSupportPath(support);
    return {std::move(o), kSuccess};
}

} // namespace vma::console
