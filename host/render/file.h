// Writing a file so that a crash never leaves half of it: the content goes
// to a temporary file beside the target, which is then renamed into place.
#pragma once

#include "host/base/error.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace vma::render {

// write fills the temporary path it is given; on success that file replaces path.
ErrorOr<void> replaceFile(const std::filesystem::path& path,
                          const std::function<ErrorOr<void>(const std::filesystem::path&)>& write);
ErrorOr<void> writeBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace vma::render
