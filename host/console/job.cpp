#include "host/console/job.h"

#include "host/arx/by_name.h"
#include "host/arx/commands.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/cmd/builtins.h"
#include "host/console/script.h"
#include "host/console/summary.h"
#include "host/db/session.h"
#include "host/dxf/dxf.h"
#include "host/input/script_runner.h"
#include "host/render/render.h"

#include <cstdio>
#include <fmt/format.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace vma::console {
namespace {

std::string where(const std::filesystem::path& file, long line) {
    if (line <= 0)
        return file.string();
    return fmt::format("{}:{}", file.string(), line);
}

void complain(const std::filesystem::path& file, const Error& error) {
    fmt::print(stderr, "{}: error: {}\n", where(file, error.line), error.message);
}

void configure(host::Session& session, const Options& options) {
    if (!options.profile.empty())
        session.profileDir() = options.profile;
    session.supportPath() = options.support;
    if (options.quiet)
        session.setOutput([](std::wstring_view) {});
}

int openDrawing(host::Session& session, const Options& options) {
    if (options.input.empty()) {
        session.open(nullptr);
        return kSuccess;
    }
    auto read = dxf::readFile(options.input);
    if (!read.ok()) {
        complain(options.input, read.error());
        return kInputUnreadable;
    }
    if (!options.quiet)
        for (const auto& w : read->warnings)
            fmt::print(stderr, "{}: warning: {}\n", where(options.input, w.line), w.message);
    session.open(std::move(read->db), options.input);
    return kSuccess;
}

std::optional<std::string> slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(text).str();
}

bool interactive(const Options& options) {
    return options.interactive || (options.script.empty() && isatty(STDIN_FILENO));
}

int script(const Options& options) {
    connectLisp();
    if (options.script.empty()) {
        if (interactive(options))
            input::runInteractive(std::cin);
        return kSuccess;
    }
    std::error_code ec;
    auto text =
        std::filesystem::is_directory(options.script, ec) ? std::nullopt : slurp(options.script);
    if (!text) {
        complain(options.script, Error{"cannot read the script"});
        return kInputUnreadable;
    }
    auto ran = runScript(*text);
    if (!ran.ok()) {
        complain(options.script, ran.error());
        return kScriptFailed;
    }
    return kSuccess;
}

int save(const std::filesystem::path& path, const ErrorOr<void>& written, bool quiet) {
    if (!written.ok()) {
        complain(path, written.error());
        return kOutputUnwritable;
    }
    if (!quiet)
        fmt::print("wrote {}\n", path.string());
    return kSuccess;
}

// The modules of acad.rx, then those of --arx; the first failure stops it.
int loadModules(const Options& options) {
    arx::installCommands();
    if (auto listed = arx::loadStartupList(); !listed.ok()) {
        fmt::print(stderr, "error: {}\n", listed.error().message);
        return kModuleUnloadable;
    }
    for (const std::string& name : options.modules) {
        auto loaded = arx::loadModule(utf8ToWide(name));
        if (!loaded.ok()) {
            fmt::print(stderr, "error: {}\n", loaded.error().message);
            return kModuleUnloadable;
        }
    }
    return kSuccess;
}

// Modules hear kEndMsg and unload however the job ends.
class ModulesLoaded {
public:
    ModulesLoaded() = default;
    ~ModulesLoaded() { arx::Loader::get().shutdown(); }
    ModulesLoaded(const ModulesLoaded&) = delete;
    ModulesLoaded& operator=(const ModulesLoaded&) = delete;
};

int writeOutputs(const db::Database& db, const Options& options) {
    int status = kSuccess;
    auto keep = [&](int result) { status = status == kSuccess ? result : status; };
    if (!options.svg.empty())
        keep(save(options.svg, render::writeSvg(db, options.svg), options.quiet));
    if (!options.png.empty())
        keep(save(options.png, render::writePng(db, options.png), options.quiet));
    if (!options.output.empty())
        keep(save(options.output, dxf::writeFile(db, options.output), options.quiet));
    return status;
}

} // namespace

int runJob(const Options& options) {
    host::Session& session = host::Session::get();
    cmd::installBuiltins();
    configure(session, options);
    if (int status = openDrawing(session, options); status != kSuccess)
        return status;
    ModulesLoaded modules;
    if (int status = loadModules(options); status != kSuccess)
        return status;
    if (int status = script(options); status != kSuccess)
        return status;
    host::Document& doc = session.current();
    if (options.info) {
        std::string name = doc.path.empty() ? wideToUtf8(doc.name) : doc.path.string();
        fmt::print("{}", summary(*doc.db, name));
        std::fflush(stdout);
    }
    if (!options.output.empty())
        session.saving(doc);
    return writeOutputs(*doc.db, options);
}

} // namespace vma::console
