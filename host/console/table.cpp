#include "host/console/table.h"

#include <algorithm>

namespace vma::console {
namespace {

size_t displayWidth(const std::string& cell) {
    // UTF-8 continuation bytes take no column.
    return static_cast<size_t>(
        std::count_if(cell.begin(), cell.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void pad(std::string& out, size_t count) {
    out.append(count, ' ');
}

} // namespace

std::string TextTable::render(int indent) const {
    size_t columns = columns_.size();
    std::vector<size_t> widths(columns, 0);
    std::vector<std::string> titles;
    for (size_t c = 0; c < columns; ++c) {
        titles.push_back(columns_[c].title);
        widths[c] = displayWidth(columns_[c].title);
    }
    for (const auto& row : rows_)
        for (size_t c = 0; c < columns && c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        pad(out, static_cast<size_t>(indent));
        for (size_t c = 0; c < columns; ++c) {
            std::string cell = c < cells.size() ? cells[c] : std::string();
            size_t gap = widths[c] - std::min(widths[c], displayWidth(cell));
            bool right = columns_[c].rightAligned;
            if (right)
                pad(out, gap);
            out += cell;
            if (c + 1 == columns)
                break;
            if (!right)
                pad(out, gap);
            pad(out, 2);
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += '\n';
    };
    line(titles);
    for (const auto& row : rows_)
        line(row);
    if (rows_.empty())
        line({"none"});
    return out;
}

} // namespace vma::console
