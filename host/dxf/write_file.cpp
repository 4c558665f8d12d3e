// Saving a drawing: written beside the target under a temporary name, flushed,
// and renamed over it, so a failure never leaves half a file.
#include "host/dxf/dxf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vma::dxf {
namespace {

Error failure(const std::filesystem::path& path, const char* what) {
    return Error{path.string() + ": " + what + ": " + std::strerror(errno)};
}

ErrorOr<void> writeAll(int fd, std::string_view data, const std::filesystem::path& path) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failure(path, "cannot write");
        data.remove_prefix(static_cast<size_t>(n));
    }
    if (::fsync(fd) != 0)
        return failure(path, "cannot flush");
    return {};
}

} // namespace

ErrorOr<void> writeFile(const db::Database& db, const std::filesystem::path& path) {
    std::string text;
    write(db, text);
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failure(path, "cannot create");
    ErrorOr<void> written = writeAll(fd, text, path);
    if (::close(fd) != 0 && written.ok())
        written = failure(path, "cannot close");
    if (written.ok() && ::rename(temp.c_str(), path.c_str()) != 0)
        written = failure(path, "cannot replace");
    if (!written.ok())
        ::unlink(temp.c_str());
    return written;
}

} // namespace vma::dxf
