// The modules loaded into this host process, as GetModuleHandleW and
// GetModuleFileNameW see them. The plug-in loader registers each one it
// loads; the null handle is the host program itself.
#pragma once

#include "windows.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace vma::win {

class Modules {
public:
    static Modules& get();

    // Registers a loaded module under its file; handle is what the loader got
    // for it (a token is made when null). Returns the module's HMODULE.
    HMODULE add(const std::filesystem::path& file, void* handle = nullptr);
    void remove(HMODULE module);
    // By file name, any case, with or without its extension (a name with a
    // folder compares the whole path); null when not loaded.
    HMODULE find(std::wstring_view name) const;
    // The handle of the host program itself.
    static HMODULE program();
    // The file of a module (the host program for null); empty when unknown.
    std::filesystem::path file(HMODULE module) const;

private:
    struct Entry {
        std::filesystem::path file;
        HMODULE handle;
    };
    Modules() = default;
    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<char>> tokens_;
};

} // namespace vma::win
