#include "host/dxf/mapped_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vma::dxf {
namespace {

Error failure(const std::filesystem::path& path, const char* what) {
    return Error{path.string() + ": " + what + ": " + std::strerror(errno)};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

ErrorOr<MappedFile> MappedFile::open(const std::filesystem::path& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return failure(path, "cannot open");
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return failure(path, "cannot read");
    if (!S_ISREG(info.st_mode))
        return Error{path.string() + ": not a regular file"};
    auto size = static_cast<size_t>(info.st_size);
    if (size == 0)
        return MappedFile(nullptr, 0);
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
    if (map == MAP_FAILED)
        return failure(path, "cannot map");
    ::madvise(map, size, MADV_SEQUENTIAL);
    return MappedFile(static_cast<const char*>(map), size);
}

MappedFile::MappedFile(MappedFile&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
}

MappedFile::~MappedFile() {
    if (data_)
        ::munmap(const_cast<char*>(data_), size_);
}

} // namespace vma::dxf
