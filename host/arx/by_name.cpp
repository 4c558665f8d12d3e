#include "host/arx/by_name.h"

#include "acedads.h"
#include "adscodes.h"
#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/win/paths.h"

#include <fstream>
#include <string>

namespace vma::arx {
namespace {

namespace fs = std::filesystem;

std::wstring withExtension(std::wstring_view name) {
    fs::path path(name);
    std::wstring text(name);
    if (!path.has_extension())
        text += L".arx";
    return text;
}

std::optional<fs::path> search(std::wstring_view name) {
    if (win::hasFolder(name)) {
        fs::path path = win::hostPath(name);
        std::error_code ec;
        if (fs::is_regular_file(path, ec))
            return path;
        return std::nullopt;
    }
    std::wstring found(4096, L'\0');
    std::wstring text(name);
    if (acedFindFile(text.c_str(), found.data(), found.size()) != RTNORM)
        return std::nullopt;
    found.resize(std::wcslen(found.c_str()));
    return fs::path(found);
}

std::wstring_view trimmed(std::wstring_view line) {
    while (!line.empty() && (line.front() == L' ' || line.front() == L'\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == L' ' || line.back() == L'\t' || line.back() == L'\r'))
        line.remove_suffix(1);
    return line;
}

} // namespace

ErrorOr<fs::path> locateModule(std::wstring_view name) {
    if (trimmed(name).empty())
        return Error{"no module name given"};
    std::wstring wanted = withExtension(trimmed(name));
    if (auto path = search(wanted))
        return *path;
    return Error{"module file not found: " + wideToUtf8(wanted)};
}

ErrorOr<Module*> loadModule(std::wstring_view name) {
    VMA_TRY_ASSIGN(fs::path path, locateModule(name));
    return Loader::get().load(path);
}

ErrorOr<void> unloadModule(std::wstring_view name) {
    Module* module = Loader::get().find(trimmed(name));
    if (!module)
        return Error{wideToUtf8(trimmed(name)) + " is not loaded"};
    return Loader::get().unload(*module);
}

ErrorOr<void> loadStartupList() {
    auto list = search(L"acad.rx");
    if (!list)
        return {};
    std::ifstream in(*list, std::ios::binary);
    if (!in)
        return Error{list->string() + ": cannot be read"};
    std::string failures;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        std::wstring wide = utf8ToWide(line);
        std::wstring_view entry = trimmed(wide);
        if (entry.empty() || entry.front() == L';')
            continue;
        auto loaded = loadModule(entry);
        if (loaded.ok())
            continue;
        if (!failures.empty())
            failures += "; ";
        failures += list->string() + ":" + std::to_string(number) + ": " + loaded.error().message;
    }
    if (failures.empty())
        return {};
    return Error{failures};
}

} // namespace vma::arx
