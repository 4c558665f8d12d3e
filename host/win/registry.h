// The registry of this host: the tree of registry_tree.h kept in registry.reg
// of the host profile. The file is read on first use (and again when the
// profile folder changes) and rewritten after each change through a temporary
// file and a rename. A file that does not parse is set aside as
// registry.reg.damaged with a warning on the transcript, and the registry
// starts empty.
#pragma once

#include "host/base/error.h"
#include "host/win/registry_tree.h"

#include <filesystem>
#include <memory>

namespace vma::win {

class Registry {
public:
    static Registry& get();

    // The tree, loading the file first when needed.
    RegTree& tree();
    // Writes the tree to the file.
    ErrorOr<void> save();
    // Forgets what is in memory and closes every handle, so the next call reads
    // the file again (a new run).
    void unload();

    static std::filesystem::path filePath();

private:
    Registry() = default;
    void load(const std::filesystem::path& path);

    std::unique_ptr<RegTree> tree_;
    std::filesystem::path loadedFrom_;
};

} // namespace vma::win
