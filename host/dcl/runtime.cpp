#include "host/dcl/runtime.h"

#include "host/base/text.h"
#include "host/db/session.h"

namespace vma::dcl {

Runtime& Runtime::get() {
    static Runtime runtime;
    return runtime;
}

ErrorOr<int> Runtime::load(const std::filesystem::path& path) {
    VMA_TRY_ASSIGN(Library lib, Library::fromFile(path));
    int id = nextId_++;
    files_.emplace(id, std::move(lib));
    return id;
}

bool Runtime::unload(int id) {
    return files_.erase(id) != 0;
}

const Library* Runtime::library(int id) const {
    auto it = files_.find(id);
    return it == files_.end() ? nullptr : &it->second;
}

Dialog& Runtime::open(std::unique_ptr<Dialog> dialog) {
    dialogs_.push_back(std::move(dialog));
    return *dialogs_.back();
}

bool Runtime::isOpen(const void* handle) const {
    for (const auto& d : dialogs_)
        if (d.get() == handle)
            return true;
    return false;
}

void Runtime::close(Dialog& dialog) {
    listEdit_ = {};
    imageTile_ = nullptr;
    dialogs_.remove_if([&](const auto& d) { return d.get() == &dialog; });
}

void Runtime::terminateAll() {
    for (auto& d : dialogs_) {
        d->done = true;
        d->status = DLGALLDONE;
    }
}

void Runtime::reset() {
    files_.clear();
    dialogs_.clear();
    running_.clear();
    positions_.clear();
    answers_.clear();
    listEdit_ = {};
    imageTile_ = nullptr;
    lisp_ = nullptr;
}

void note(const Dialog& dialog, const std::string& text) {
    host::Session::get().print(utf8ToWide("dialog " + dialog.name() + ": " + text + "\n"));
}

} // namespace vma::dcl
