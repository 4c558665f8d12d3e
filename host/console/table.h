// Text tables for the terminal: columns padded to their widest cell, counts
// right-aligned, so summaries line up without tabs.
#pragma once

#include <string>
#include <vector>

namespace vma::console {

class TextTable {
public:
    struct Column {
        std::string title;
        bool rightAligned = false; // for counts
    };
    explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}
    void add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    // The table indented by indent spaces, one line per row after a title line;
    // a table without rows says "none" under its titles.
    std::string render(int indent = 2) const;

private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace vma::console
