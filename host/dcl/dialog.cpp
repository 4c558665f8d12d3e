#include "host/dcl/dialog.h"

#include "host/base/text.h"

#include <cmath>
#include <cstdlib>

namespace vma::dcl {

namespace {

constexpr size_t kDefaultEditLimit = 132;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

size_t editLimit(const Tile& tile) {
    std::string limit = tile.attr("edit_limit");
    if (limit.empty())
        return kDefaultEditLimit;
    long n = std::strtol(limit.c_str(), nullptr, 10);
    return n > 0 ? static_cast<size_t>(n) : kDefaultEditLimit;
}

double number(const Tile& tile, const char* attr, double fallback) {
    std::string text = tile.attr(attr);
    return text.empty() ? fallback : std::strtod(text.c_str(), nullptr);
}

} // namespace

Dialog::Dialog(std::string name, std::unique_ptr<Tile> root, CLIENTFUNC defaultAction)
    : name_(std::move(name)), root_(std::move(root)), defaultAction_(defaultAction) {
    index(*root_);
}

void Dialog::index(Tile& tile) {
    tile.value = tile.attr("value");
    tile.enabled = tile.attr("is_enabled") != "false";
    if (hasList(tile.kind) && tile.attrs.count("list"))
        tile.list = splitLines(tile.attr("list"));
    std::string key = tile.key();
    if (!key.empty())
        byKey_.insert({key, &tile});
    for (auto& child : tile.children)
        index(*child);
    if (isRadioCluster(tile.kind) && !tile.value.empty())
        chooseRadio(tile, tile.value);
}

Tile* Dialog::find(const std::string& key) const {
    auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : it->second;
}

std::string Dialog::value(const Tile& tile) const {
    if (!isRadioCluster(tile.kind))
        return tile.value;
    for (const auto& child : tile.children)
        if (child->kind == "radio_button" && child->value == "1")
            return child->key();
    return {};
}

void Dialog::chooseRadio(Tile& cluster, const std::string& key) {
    for (auto& child : cluster.children)
        if (child->kind == "radio_button")
            child->value = child->key() == key ? "1" : "0";
}

bool Dialog::setValue(Tile& tile, const std::string& value) {
    if (isRadioCluster(tile.kind)) {
        chooseRadio(tile, value);
        return true;
    }
    if (tile.kind == "radio_button" && value == "1" && tile.parent &&
        isRadioCluster(tile.parent->kind)) {
        chooseRadio(*tile.parent, tile.key());
        return true;
    }
    if (tile.kind == "toggle" || tile.kind == "radio_button") {
        tile.value = value == "0" || value.empty() ? "0" : "1";
        return true;
    }
    std::wstring wide = utf8ToWide(value);
    if (tile.kind != "edit_box" || wide.size() <= editLimit(tile)) {
        tile.value = value;
        return true;
    }
    tile.value = wideToUtf8(wide.substr(0, editLimit(tile)));
    return false;
}

std::pair<int, int> Dialog::dimensions(const Tile& tile) const {
    double width = number(tile, "width", 10) * kPixelsPerWidth;
    double ratio = number(tile, "aspect_ratio", 0);
    double height = tile.attrs.count("height") || ratio <= 0
                        ? number(tile, "height", 5) * kPixelsPerHeight
                        : width * ratio;
    return {static_cast<int>(std::lround(width)) - 1, static_cast<int>(std::lround(height)) - 1};
}

} // namespace vma::dcl
