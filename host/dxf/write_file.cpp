// Saving a drawing: written beside the target under a temporary name, flushed,
// and renamed over it, so a failure never leaves half a file.
#include "host/dxf/dxf.h"
#include "host/dxf/writer.h"

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
    return {};
}

// Hands the text to the file piece by piece as the writer makes it, so the
// whole text is never held; after the first failure the rest is dropped.
class FileSink : public Sink {
public:
    FileSink(int fd, const std::filesystem::path& path) : fd_(fd), path_(path) {}

    void put(std::string_view text) override {
        if (result_.ok())
            result_ = writeAll(fd_, text, path_);
    }

    // The outcome of every piece, then of flushing the file to disk.
    ErrorOr<void> finish() {
        if (result_.ok() && ::fsync(fd_) != 0)
            result_ = failure(path_, "cannot flush");
        return result_;
    }

private:
    int fd_;
    const std::filesystem::path& path_;
    ErrorOr<void> result_;
};

} // namespace

ErrorOr<void> writeFile(const db::Database& db, const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failure(path, "cannot create");
    FileSink sink(fd, path);
    Writer(db, sink).run();
    ErrorOr<void> written = sink.finish();
    if (::close(fd) != 0 && written.ok())
        written = failure(path, "cannot close");
    if (written.ok() && ::rename(temp.c_str(), path.c_str()) != 0)
        written = failure(path, "cannot replace");
    if (!written.ok())
        ::unlink(temp.c_str());
    return written;
}

} // namespace vma::dxf
