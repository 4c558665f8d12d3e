// Text tables for the terminal: columns padded to their widest cell, numbers
// right-aligned, so summaries line up without tabs.
#pragma once

#include <string>
#include <vector>

namespace vma::console {

class TextTable {
public:
    // Columns whose every cell is a number are right-aligned.
    explicit TextTable(std::vector<std::string> titles) : titles_(std::move(titles)) {}
    void add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    bool empty() const { return rows_.empty(); }
    // The table indented by indent spaces, one line per row after a title line.
    std::string render(int indent = 2) const;

private:
    std::vector<std::string> titles_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace vma::console
