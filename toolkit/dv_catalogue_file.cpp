#include "toolkit/dv_catalogue_reader.h"
#include "windows.h"

std::unique_ptr<DvFileSource> DvFileSource::open(const wchar_t* path) {
    FILE* file = path ? _wfopen(path, L"rb") : nullptr;
    if (!file)
        return nullptr;
    auto source = std::make_unique<DvFileSource>();
    source->file_.reset(file);
    if (std::fseek(file, 0, SEEK_END) != 0)
        return source;
    const long end = std::ftell(file);
    source->size_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    return source;
}

bool DvFileSource::read(uint64_t offset, void* out, size_t n) {
    if (offset > size_ || n > size_ - offset)
        return false;
    if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(out, 1, n, file_.get()) == n;
}
