#include "host/db/arena.h"
#include "host/db/group.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vma::db {
namespace {

TEST(Arena, GivesAlignedDistinctMemoryAcrossChunks) {
    Arena arena;
    std::pmr::memory_resource& memory = arena;
    constexpr size_t kBytes = 37;
    std::vector<uintptr_t> blocks;
    for (int i = 0; i < 100000; ++i) {
        size_t alignment = size_t{1} << (i % 4);
        auto* p = static_cast<char*>(memory.allocate(kBytes, alignment));
        ASSERT_EQ(reinterpret_cast<uintptr_t>(p) % alignment, 0u);
        std::memset(p, i & 0xFF, kBytes);
        blocks.push_back(reinterpret_cast<uintptr_t>(p));
    }
    // No two blocks overlap.
    std::sort(blocks.begin(), blocks.end());
    for (size_t i = 1; i < blocks.size(); ++i)
        ASSERT_GE(blocks[i] - blocks[i - 1], kBytes);
    // Larger than any chunk.
    auto* big = static_cast<char*>(memory.allocate(size_t{100} << 20, 8));
    big[0] = 1;
    big[(size_t{100} << 20) - 1] = 2;
    EXPECT_GE(arena.reservedBytes(), (size_t{100} << 20) + 100000 * kBytes);
}

GroupList sampleList() {
    GroupList list;
    list.addText(0, "LINE");
    list.addText(8, "A layer name longer than any short-string buffer");
    list.addReal(10, 1.5);
    list.addInt(62, 3);
    return list;
}

TEST(Arena, GroupListsCopiedOutOfAnArenaOutliveIt) {
    GroupList copied;
    GroupList assigned;
    auto arena = std::make_unique<Arena>();
    {
        GroupList inArena(sampleList(), arena.get());
        copied = inArena;
        GroupList moved = std::move(inArena);
        assigned = GroupList(moved);
        EXPECT_EQ(moved, sampleList());
    }
    arena.reset();
    EXPECT_EQ(copied, sampleList());
    EXPECT_EQ(assigned, sampleList());
    copied.setText(8, "0");
    EXPECT_EQ(copied.findText(8), "0");
}

TEST(Arena, AMoveAssignedListTakesTheOthersMemory) {
    Arena arena;
    GroupList target(sampleList(), &arena);
    GroupList replacement;
    replacement.addText(0, "CIRCLE");
    replacement.addReal(40, 2.0);
    target = std::move(replacement);
    EXPECT_EQ(target.text(0), "CIRCLE");
    // Growing it again uses the heap, not the arena.
    size_t before = arena.reservedBytes();
    for (int i = 0; i < 1000; ++i)
        target.addText(1000, std::string(100, 'x'));
    EXPECT_EQ(arena.reservedBytes(), before);
}

} // namespace
} // namespace vma::db
