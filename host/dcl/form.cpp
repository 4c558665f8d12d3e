#include "host/dcl/form.h"

namespace vma::dcl {

namespace {

bool isPlain(const std::string& kind) {
    return kind == "spacer" || kind == "text_part";
}

void line(const Dialog& dialog, const Tile& tile, int depth, std::string& out) {
    std::string text(static_cast<size_t>(depth) * 2, ' ');
    text += tile.kind;
    if (!tile.key().empty())
        text += " " + tile.key();
    if (!tile.attr("label").empty())
        text += " \"" + tile.attr("label") + "\"";
    std::string value = dialog.value(tile);
    if (isActive(tile.kind) || isRadioCluster(tile.kind) || !value.empty())
        text += " = \"" + value + "\"";
    if (!tile.enabled)
        text += " (disabled)";
    if (hasList(tile.kind)) {
        text += " [";
        for (size_t i = 0; i < tile.list.size(); ++i)
            text += (i ? " | " : "") + std::to_string(i) + ": " + tile.list[i];
        text += "]";
    }
    if (isImage(tile.kind))
        text += " (" + std::to_string(tile.image.size()) + " drawing operations)";
    out += text + "\n";
}

void walk(const Dialog& dialog, const Tile& tile, int depth, std::string& out) {
    if (isPlain(tile.kind) && tile.key().empty())
        return;
    line(dialog, tile, depth, out);
    for (const auto& child : tile.children)
        walk(dialog, *child, depth + 1, out);
}

} // namespace

std::string formText(const Dialog& dialog) {
    std::string out;
    walk(dialog, dialog.root(), 0, out);
    return out;
}

} // namespace vma::dcl
