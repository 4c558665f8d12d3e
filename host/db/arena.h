// Memory for the group lists of a drawing being read: one bump pointer over
// large chunks instead of a heap block per entity. A million entities then cost
// a few hundred chunk-sized page faults (the chunks ask for huge pages) rather
// than a hundred thousand small ones, and no allocator bookkeeping.
// Nothing is given back before the arena goes; the database that owns it
// outlives every list kept in it. Not thread-safe: one arena per reading thread.
#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <vector>

namespace vma::db {

class Arena final : public std::pmr::memory_resource {
public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena() override = default;

    // Bytes taken from the system so far.
    size_t reservedBytes() const { return reserved_; }

private:
    struct Release {
        void operator()(char* p) const;
    };
    using Chunk = std::unique_ptr<char, Release>;

    void* do_allocate(size_t bytes, size_t alignment) override;
    void do_deallocate(void*, size_t, size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
    void addChunk(size_t atLeast);

    std::vector<Chunk> chunks_;
    char* next_ = nullptr;
    char* end_ = nullptr;
    size_t nextChunkSize_ = size_t{1} << 20;
    size_t reserved_ = 0;
};

// Asks the kernel to back [p, p + bytes) with huge pages where it can (whole
// aligned 2 MiB pages inside the range); a hint that may be ignored.
void adviseHugePages(const void* p, size_t bytes);

} // namespace vma::db
