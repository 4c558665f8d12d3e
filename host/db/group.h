// A DXF group list kept compact: 16 bytes per group, texts in one pool per list.
// Entities, table records, header variables and objects are all group lists;
// a drawing of a million entities lives in a few hundred megabytes because of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vma::db {

enum class GroupKind : uint8_t { Int, Real, Text };

// The value type the DXF reference gives a group code (handles and binary
// chunks are text: hexadecimal digits). Codes the reference leaves open are text.
GroupKind kindOfCode(int code);

struct Group {
    int16_t code = 0;
    GroupKind kind = GroupKind::Int;
    uint32_t size = 0; // byte length of a text value
    union {
        int64_t integer;
        double real;
        uint32_t offset; // start of a text value in the pool
    } value = {0};
};
static_assert(sizeof(Group) == 16);

class GroupList {
public:
    size_t size() const { return groups_.size(); }
    bool empty() const { return groups_.empty(); }
    const Group& operator[](size_t i) const { return groups_[i]; }
    auto begin() const { return groups_.begin(); }
    auto end() const { return groups_.end(); }
    void reserve(size_t groups, size_t textBytes);
    void clear();

    std::string_view text(const Group& g) const { return {pool_.data() + g.value.offset, g.size}; }
    std::string_view text(size_t i) const { return text(groups_[i]); }
    // The value of group i as a real; integers convert, texts give 0.
    double real(size_t i) const;
    int64_t integer(size_t i) const;

    void addInt(int code, int64_t value);
    void addReal(int code, double value);
    void addText(int code, std::string_view value);
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

    std::vector<Group> groups_;
    std::string pool_;
};

} // namespace vma::db
