// A file mapped read-only into memory for the one pass of the reader.
#pragma once

#include "host/base/error.h"

#include <filesystem>
#include <string_view>

namespace vma::dxf {

class MappedFile {
public:
    static ErrorOr<MappedFile> open(const std::filesystem::path& path);
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&&) = delete;
    MappedFile(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view data() const { return {data_, size_}; }

private:
    MappedFile(const char* data, size_t size) : data_(data), size_(size) {}

    const char* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace vma::dxf
