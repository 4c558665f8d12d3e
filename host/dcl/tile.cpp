#include "host/dcl/tile.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vma::dcl {

namespace {

template <size_t N> bool among(const std::array<std::string_view, N>& names, const std::string& s) {
    return std::find(names.begin(), names.end(), s) != names.end();
}

constexpr std::array<std::string_view, 11> kClusters{
    "dialog",    "row",          "column",          "boxed_row",          "boxed_column",
    "radio_row", "radio_column", "boxed_radio_row", "boxed_radio_column", "concatenation",
    "paragraph"};
constexpr std::array<std::string_view, 8> kActive{"button",   "edit_box",   "image_button",
                                                  "list_box", "popup_list", "radio_button",
                                                  "slider",   "toggle"};
constexpr std::array<std::string_view, 4> kDecorative{"image", "spacer", "text", "text_part"};

} // namespace

std::string Tile::attr(const std::string& name) const {
    auto it = attrs.find(name);
    return it == attrs.end() ? std::string() : it->second.text;
}

bool Tile::flag(const std::string& name) const {
    return attr(name) == "true";
}

bool isCluster(const std::string& kind) {
    return among(kClusters, kind);
}

bool isRadioCluster(const std::string& kind) {
    return kind.find("radio_") != std::string::npos && isCluster(kind);
}

bool isActive(const std::string& kind) {
    return among(kActive, kind);
}

bool hasList(const std::string& kind) {
    return kind == "list_box" || kind == "popup_list";
}

bool isImage(const std::string& kind) {
    return kind == "image" || kind == "image_button";
}

bool isBuiltIn(const std::string& name) {
    return isCluster(name) || isActive(name) || among(kDecorative, name);
}

} // namespace vma::dcl
