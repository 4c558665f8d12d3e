// The coordinate systems UCS Previous goes back through: per drawing, the
// last ten the UCS command replaced, latest last.
#pragma once

#include "host/db/frames.h"
#include "host/db/session.h"

#include <optional>
#include <string>

namespace vma::cmd {

struct SavedUcs {
    host::Frame frame;
    std::string name;
};

constexpr size_t kPreviousUcsLimit = 10;

void rememberUcs(const host::Document& doc, SavedUcs ucs);
std::optional<SavedUcs> takePreviousUcs(const host::Document& doc);

} // namespace vma::cmd
