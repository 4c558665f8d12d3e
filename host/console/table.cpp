#include "host/console/table.h"

#include <algorithm>

namespace vma::console {
namespace {

bool isNumber(const std::string& cell) {
    return !cell.empty() && cell.find_first_not_of("0123456789.-") == std::string::npos;
}

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
    size_t columns = titles_.size();
    std::vector<size_t> widths(columns, 0);
    std::vector<bool> numeric(columns, true);
    for (size_t c = 0; c < columns; ++c)
        widths[c] = displayWidth(titles_[c]);
    for (const auto& row : rows_) {
        for (size_t c = 0; c < columns && c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
            numeric[c] = numeric[c] && isNumber(row[c]);
        }
    }
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        pad(out, static_cast<size_t>(indent));
        for (size_t c = 0; c < columns; ++c) {
            const std::string& cell = c < cells.size() ? cells[c] : std::string();
            size_t gap = widths[c] - displayWidth(cell);
            if (numeric[c])
                pad(out, gap);
            out += cell;
            if (c + 1 == columns)
                break;
            if (!numeric[c])
                pad(out, gap);
            pad(out, 2);
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += '\n';
    };
    line(titles_);
    for (const auto& row : rows_)
        line(row);
    return out;
}

} // namespace vma::console
