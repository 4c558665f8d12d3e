#include "host/win/modules.h"

#include "host/base/text.h"

#include <algorithm>

namespace vma::win {
namespace fs = std::filesystem;
namespace {

bool sameName(const fs::path& file, std::wstring_view name) {
    std::wstring wanted = upperName(name);
    if (wanted.find_first_of(L"\\/") != std::wstring::npos) {
        std::wstring full = upperName(std::wstring_view(file.wstring()));
        std::replace(wanted.begin(), wanted.end(), L'\\', L'/');
        return full == wanted || full.ends_with(wanted);
    }
    if (upperName(std::wstring_view(file.filename().wstring())) == wanted)
        return true;
    return wanted.find(L'.') == std::wstring::npos &&
           upperName(std::wstring_view(file.stem().wstring())) == wanted;
}

} // namespace

Modules& Modules::get() {
    static Modules modules;
    return modules;
}

HMODULE Modules::program() {
    static char token;
    return reinterpret_cast<HMODULE>(&token);
}

HMODULE Modules::add(const fs::path& file, void* handle) {
    if (handle == nullptr) {
        tokens_.push_back(std::make_unique<char>());
        handle = tokens_.back().get();
    }
    HMODULE module = static_cast<HMODULE>(handle);
    entries_.push_back({file, module});
    return module;
}

void Modules::remove(HMODULE module) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.handle == module; });
}

HMODULE Modules::find(std::wstring_view name) const {
    for (const Entry& entry : entries_)
        if (sameName(entry.file, name))
            return entry.handle;
    return nullptr;
}

fs::path Modules::file(HMODULE module) const {
    if (module == nullptr || module == program()) {
        std::error_code ec;
        return fs::read_symlink("/proc/self/exe", ec);
    }
    for (const Entry& entry : entries_)
        if (entry.handle == module)
            return entry.file;
    return {};
}

} // namespace vma::win
