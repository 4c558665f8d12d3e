#include "host/win/paths.h"

#include "host/base/text.h"
#include "host/db/session.h"

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vma::win {
namespace fs = std::filesystem;
namespace {

bool hasDriveLetter(std::string_view name) {
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

std::vector<std::string> components(std::string_view rest) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('/', start);
        if (end == std::string_view::npos)
            end = rest.size();
        std::string_view part = rest.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

// The entry of folder named like name without regard to case: the exact
// spelling first, else the first in sorted order; nullopt when none.
std::optional<fs::path> matchEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec))
        return folder / name;
    std::optional<fs::path> best;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        fs::path found = entry.path().filename();
        if (!equalsNoCase(found.string(), name))
            continue;
        if (!best || found < best->filename())
            best = entry.path();
    }
    return best;
}

fs::path step(const fs::path& folder, const std::string& name) {
    if (name == "..")
        return folder.parent_path();
    return matchEntry(folder, name).value_or(folder / name);
}

bool endsWithDwg(std::string_view name) {
    return name.size() > 4 && equalsNoCase(name.substr(name.size() - 4), ".dwg");
}

// The folder and the rest of the name it is relative to.
std::pair<fs::path, std::string> split(std::string name, const fs::path& profile,
                                       const fs::path& base) {
    if (hasDriveLetter(name)) {
        char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        return {profile / (std::string("drive_") + letter), name.substr(2)};
    }
    if (!name.empty() && name[0] == '/')
        return {fs::path("/"), name.substr(1)};
    return {base, name};
}

} // namespace

fs::path profileFolder() {
    const fs::path& configured = host::Session::get().profileDir();
    if (!configured.empty())
        return configured;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0)
        return fs::path(home) / ".vmacon";
    return fs::temp_directory_path() / "vmacon-profile";
}

fs::path hostPath(std::wstring_view name, const fs::path& profile, const fs::path& base) {
    std::string text = wideToUtf8(name);
    for (char& c : text)
        if (c == '\\')
            c = '/';
    auto [folder, rest] = split(std::move(text), profile, base);
    std::vector<std::string> parts = components(rest);
    fs::path path = folder;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        path = step(path, parts[i]);
    if (parts.empty())
        return path;
    const std::string& last = parts.back();
    fs::path file = step(path, last);
    std::error_code ec;
    if (!endsWithDwg(last) || fs::exists(file, ec))
        return file;
    return step(path, last.substr(0, last.size() - 4) + ".dxf");
}

fs::path hostPath(std::wstring_view name) {
    return hostPath(name, profileFolder(), fs::current_path());
}

bool hasFolder(std::wstring_view name) {
    if (name.find_first_of(L"\\/") != std::wstring_view::npos)
        return true;
    return name.size() >= 2 && name[1] == L':';
}

} // namespace vma::win
