#include "host/db/arena.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace vma::db {
namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kLargestChunk = size_t{64} << 20;

size_t roundUp(size_t n, size_t step) {
    return (n + step - 1) / step * step;
}

} // namespace

void adviseHugePages(const void* p, size_t bytes) {
    auto start = reinterpret_cast<uintptr_t>(p);
    uintptr_t first = roundUp(start, kHugePage);
    uintptr_t last = (start + bytes) / kHugePage * kHugePage;
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

void Arena::Release::operator()(char* p) const {
    std::free(p);
}

void Arena::addChunk(size_t atLeast) {
    size_t size = std::max(nextChunkSize_, roundUp(atLeast, 4096));
    nextChunkSize_ = std::min(nextChunkSize_ * 2, kLargestChunk);
    size_t alignment = size >= kHugePage ? kHugePage : 4096;
    auto* base = static_cast<char*>(std::aligned_alloc(alignment, roundUp(size, alignment)));
    if (!base)
        throw std::bad_alloc();
    chunks_.emplace_back(base);
    adviseHugePages(base, size);
    reserved_ += size;
    next_ = base;
    end_ = base + size;
}

void* Arena::do_allocate(size_t bytes, size_t alignment) {
    auto fits = [&] {
        uintptr_t start = roundUp(reinterpret_cast<uintptr_t>(next_), alignment);
        return next_ && start + bytes <= reinterpret_cast<uintptr_t>(end_);
    };
    if (!fits())
        addChunk(bytes + alignment);
    auto* p = reinterpret_cast<char*>(roundUp(reinterpret_cast<uintptr_t>(next_), alignment));
    next_ = p + bytes;
    return p;
}

} // namespace vma::db
