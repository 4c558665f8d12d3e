// A DXF group list kept compact: 12 bytes per group, texts in one pool per list.
// Entities, table records, header variables and objects are all group lists;
// a drawing of a million entities lives in a few hundred megabytes because of it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::db {

enum class GroupKind : uint8_t { Int, Real, Text };

namespace detail {

constexpr int kLowestCode = -5;
constexpr int kHighestTyped = 1071;

constexpr GroupKind kindByRanges(int code) {
    auto in = [code](int lo, int hi) { return code >= lo && code <= hi; };
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059))
        return GroupKind::Real;
    if (in(60, 99) || in(160, 179) || in(270, 299) || in(370, 389) || in(400, 409) ||
        in(420, 429) || in(440, 459) || in(1060, 1071) || in(-5, -4))
        return GroupKind::Int;
    return GroupKind::Text;
}

// The reader asks once per group: a table lookup instead of a chain of ranges.
constexpr auto kKindTable = [] {
    std::array<GroupKind, kHighestTyped - kLowestCode + 1> kinds{};
    for (int code = kLowestCode; code <= kHighestTyped; ++code)
        kinds[static_cast<size_t>(code - kLowestCode)] = kindByRanges(code);
    return kinds;
}();

} // namespace detail

// The value type the DXF reference gives a group code (handles and binary
// chunks are text: hexadecimal digits). Codes the reference leaves open are text.
inline GroupKind kindOfCode(int code) {
    if (code < detail::kLowestCode || code > detail::kHighestTyped)
        return GroupKind::Text;
    return detail::kKindTable[static_cast<size_t>(code - detail::kLowestCode)];
}

// A group in 12 bytes: its value is kept as two 32-bit words (a 64-bit integer
// or real, or a text's start in the pool and its byte length) rather than an
// 8-byte aligned union, which saves a quarter of the memory of the groups.
struct Group {
    int16_t code = 0;
    GroupKind kind = GroupKind::Int;
    std::array<uint32_t, 2> words{};

    int64_t integer() const { return std::bit_cast<int64_t>(words); }
    double real() const { return std::bit_cast<double>(words); }
    uint32_t offset() const { return words[0]; }
    uint32_t size() const { return words[1]; } // byte length of a text value

    void setInteger(int64_t value) {
        kind = GroupKind::Int;
        words = std::bit_cast<std::array<uint32_t, 2>>(value);
    }
    void setReal(double value) {
        kind = GroupKind::Real;
        words = std::bit_cast<std::array<uint32_t, 2>>(value);
    }
    void setText(uint32_t offset, uint32_t size) {
        kind = GroupKind::Text;
        words = {offset, size};
    }
};
static_assert(sizeof(Group) == 12);

// Copies keep their groups on the heap; moves carry the memory along, so a
// list the reader put into its arena stays there when the database moves it.
class GroupList {
public:
    GroupList() = default;
    // A copy kept in the given memory (a reader's arena).
    GroupList(const GroupList& other, std::pmr::memory_resource* memory)
        : groups_(other.groups_, memory), pool_(other.pool_, memory) {}
    GroupList(const GroupList&) = default;
    GroupList(GroupList&&) noexcept = default;
    ~GroupList() = default;
    GroupList& operator=(const GroupList& other) { return *this = GroupList(other); }
    // Takes over other's memory whatever it is (containers of polymorphic memory
    // would copy into their own instead).
    GroupList& operator=(GroupList&& other) noexcept {
        if (this != &other) {
            std::destroy_at(this);
            std::construct_at(this, std::move(other));
        }
        return *this;
    }

    size_t size() const { return groups_.size(); }
    bool empty() const { return groups_.empty(); }
    const Group& operator[](size_t i) const { return groups_[i]; }
    auto begin() const { return groups_.begin(); }
    auto end() const { return groups_.end(); }
    void reserve(size_t groups, size_t textBytes);
    void clear();

    std::string_view text(const Group& g) const { return {pool_.data() + g.offset(), g.size()}; }
    std::string_view text(size_t i) const { return text(groups_[i]); }
    // The value of group i as a real; integers convert, texts give 0.
    double real(size_t i) const;
    int64_t integer(size_t i) const;

    // The adders are defined here: the reader and writer call them once per group.
    void addInt(int code, int64_t value) {
        Group& g = groups_.emplace_back();
        g.code = static_cast<int16_t>(code);
        g.setInteger(value);
    }
    void addReal(int code, double value) {
        Group& g = groups_.emplace_back();
        g.code = static_cast<int16_t>(code);
        g.setReal(value);
    }
    void addText(int code, std::string_view value) {
        auto offset = static_cast<uint32_t>(pool_.size());
        pool_.append(value);
        Group& g = groups_.emplace_back();
        g.code = static_cast<int16_t>(code);
        g.setText(offset, static_cast<uint32_t>(value.size()));
    }
    // Adds a group of the given code from a value of any kind (a copy from another list).
    void addFrom(const GroupList& other, size_t i);
    void insertText(size_t at, int code, std::string_view value);
    void erase(size_t at, size_t count = 1);

    // Index of the first group with code at or after from; -1 when none.
    long find(int code, size_t from = 0) const;
    std::optional<std::string_view> findText(int code) const;
    std::optional<double> findReal(int code) const;
    std::optional<int64_t> findInt(int code) const;

    // Replaces the value of the first group with that code, or appends one.
    void setText(int code, std::string_view value);
    void setReal(int code, double value);
    void setInt(int code, int64_t value);
    void replaceAt(size_t i, const GroupList& other, size_t j);

    // Bytes held, for memory accounting.
    size_t memoryBytes() const { return groups_.capacity() * sizeof(Group) + pool_.capacity(); }

    friend bool operator==(const GroupList& a, const GroupList& b);

private:
    uint32_t store(std::string_view value);

    std::pmr::vector<Group> groups_;
    std::pmr::string pool_;
};

} // namespace vma::db
