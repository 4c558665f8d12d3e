#include "host/cmd/layer_table.h"

#include "host/base/text.h"
#include "host/db/wcmatch.h"
#include "host/input/values.h"

#include <array>
#include <cstdlib>
#include <cwctype>

namespace vma::cmd {
namespace {

constexpr std::array<std::wstring_view, 8> kColorNames = {L"",     L"red",  L"yellow",  L"green",
                                                          L"cyan", L"blue", L"magenta", L"white"};

// A name of the list without wildcards must match exactly, whatever its characters.
bool hasWildcards(std::wstring_view name) {
    return name.find_first_of(L"#@.*?~[`") != std::wstring_view::npos;
}

bool named(const db::TableRecord& r, std::wstring_view part) {
    if (!hasWildcards(part))
        return equalsNoCase(r.name(), wideToUtf8(part));
    return db::WcPattern(part, db::WcCase::Insensitive).matches(r.name());
}

void renameIn(db::Database& db, db::EntityId id, std::string_view oldName,
              std::string_view newName) {
    const db::Entity& e = db.entity(id);
    auto layer = e.groups.findText(8);
    if (!layer || !equalsNoCase(*layer, oldName))
        return;
    db::GroupList g = e.groups;
    g.setText(8, newName);
    db.replaceEntity(id, std::move(g));
}

} // namespace

std::vector<std::wstring_view> splitNames(std::wstring_view list) {
    std::vector<std::wstring_view> parts;
    size_t from = 0;
    for (;;) {
        size_t comma = list.find(L',', from);
        parts.push_back(list.substr(from, comma - from));
        if (comma == std::wstring_view::npos)
            return parts;
        from = comma + 1;
    }
}

std::vector<uint32_t> layersMatching(const db::Database& db, std::wstring_view list) {
    std::vector<uint32_t> out;
    const auto& records = db.table(db::TableKind::Layer).records;
    for (uint32_t i = 0; i < records.size(); ++i) {
        if (records[i].erased)
            continue;
        for (std::wstring_view part : splitNames(list)) {
            if (!part.empty() && named(records[i], part)) {
                out.push_back(i);
                break;
            }
        }
    }
    return out;
}

void changeLayer(db::Database& db, uint32_t index,
                 const std::function<void(db::GroupList&)>& change) {
    db::GroupList g = db.record(db::TableKind::Layer, index).groups;
    change(g);
    if (g == db.record(db::TableKind::Layer, index).groups)
        return;
    db.replaceRecord(db::TableKind::Layer, index, std::move(g));
}

bool isCurrentLayer(const db::Database& db, uint32_t index) {
    const db::GroupList* clayer = db.headerValue("CLAYER");
    auto name = clayer ? clayer->findText(8) : std::nullopt;
    return equalsNoCase(db.record(db::TableKind::Layer, index).name(), name.value_or("0"));
}

bool isFrozen(const db::GroupList& layer) {
    return (layer.findInt(70).value_or(0) & 1) != 0;
}

bool isOff(const db::GroupList& layer) {
    return layer.findInt(62).value_or(7) < 0;
}

void renameLayer(db::Database& db, uint32_t index, std::string_view newName) {
    std::string oldName(db.record(db::TableKind::Layer, index).name());
    bool current = isCurrentLayer(db, index);
    changeLayer(db, index, [&](db::GroupList& g) { g.setText(2, newName); });
    for (db::EntityId id = 0; id < db.entityCount(); ++id)
        renameIn(db, id, oldName, newName);
    for (uint32_t b = 0; b < db.blocks().size(); ++b) {
        auto layer = db.block(b).header.findText(8);
        if (!layer || !equalsNoCase(*layer, oldName))
            continue;
        db::GroupList header = db.block(b).header;
        header.setText(8, newName);
        db.setBlockHeader(b, std::move(header));
    }
    if (current) {
        db::GroupList value;
        value.addText(8, newName);
        db.setHeaderValue("CLAYER", std::move(value));
    }
}

std::wstring colorText(int color) {
    int c = std::abs(color);
    std::wstring text = std::to_wstring(c);
    if (c >= 1 && c <= 7)
        text += L" (" + std::wstring(kColorNames[static_cast<size_t>(c)]) + L")";
    return text;
}

std::optional<int> parseColor(std::wstring_view text) {
    std::wstring lower;
    for (wchar_t c : text)
        lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    for (size_t i = 1; i < kColorNames.size(); ++i)
        if (lower == kColorNames[i])
            return static_cast<int>(i);
    auto number = input::parseInteger(text);
    if (!number || *number == 0 || std::labs(*number) > 255)
        return std::nullopt;
    return static_cast<int>(*number);
}

} // namespace vma::cmd
