#include "host/console/summary.h"

#include "host/console/table.h"
#include "host/geom/geom.h"

#include <fmt/format.h>
#include <map>

namespace vma::console {
namespace {

bool counts(const db::Entity& e) {
    return !e.erased && e.parent == db::kNoEntity;
}

std::string layerOf(const db::Entity& e) {
    return std::string(e.groups.findText(8).value_or("0"));
}

std::string headerText(const db::Database& db, std::string_view name, int code) {
    const db::GroupList* value = db.headerValue(name);
    if (!value)
        return "?";
    return std::string(value->findText(code).value_or("?"));
}

std::string extentsText(const db::Database& db) {
    geom::Box box = geom::extents(geom::explodeBlock(db, db.modelSpace()));
    if (box.empty())
        return "none (model space draws nothing)";
    return fmt::format("{:.3f},{:.3f} .. {:.3f},{:.3f}", box.min.x, box.min.y, box.max.x,
                       box.max.y);
}

std::string typeTable(const db::Database& db) {
    std::map<std::string, std::pair<size_t, size_t>> byType; // model space, all blocks
    for (uint32_t b = 0; b < db.blocks().size(); ++b) {
        for (db::EntityId id : db.block(b).entities) {
            const db::Entity& e = db.entity(id);
            if (!counts(e))
                continue;
            auto& [model, all] = byType[std::string(e.type())];
            model += b == db.modelSpace() ? 1 : 0;
            ++all;
        }
    }
    TextTable table({{"Type"}, {"Model space", true}, {"All blocks", true}});
    for (const auto& [type, n] : byType)
        table.add({type, std::to_string(n.first), std::to_string(n.second)});
    return table.render();
}

std::string layerCountTable(const db::Database& db) {
    std::map<std::string, size_t> byLayer;
    for (db::EntityId id : db.block(db.modelSpace()).entities)
        if (counts(db.entity(id)))
            ++byLayer[layerOf(db.entity(id))];
    TextTable table({{"Layer"}, {"Entities", true}});
    for (const auto& [layer, n] : byLayer)
        table.add({layer, std::to_string(n)});
    return table.render();
}

std::string blockTable(const db::Database& db) {
    TextTable table({{"Block"}, {"Entities", true}});
    for (const db::Block& block : db.blocks()) {
        if (block.erased)
            continue;
        size_t n = 0;
        for (db::EntityId id : block.entities)
            n += counts(db.entity(id)) ? 1 : 0;
        table.add({block.name, std::to_string(n)});
    }
    return table.render();
}

std::string layerState(const db::GroupList& layer) {
    int64_t flags = layer.findInt(70).value_or(0);
    std::string state;
    auto add = [&](std::string_view word) {
        state += state.empty() ? "" : ",";
        state += word;
    };
    if (layer.findInt(62).value_or(7) < 0)
        add("off");
    if (flags & 1)
        add("frozen");
    if (flags & 4)
        add("locked");
    return state.empty() ? "on" : state;
}

std::string layerTable(const db::Database& db) {
    TextTable table({{"Layer"}, {"Colour", true}, {"Linetype"}, {"State"}});
    for (const db::TableRecord& r : db.table(db::TableKind::Layer).records) {
        if (r.erased)
            continue;
        int64_t colour = r.groups.findInt(62).value_or(7);
        table.add({std::string(r.name()), std::to_string(colour < 0 ? -colour : colour),
                   std::string(r.groups.findText(6).value_or("Continuous")), layerState(r.groups)});
    }
    return table.render();
}

} // namespace

std::string summary(const db::Database& db, std::string_view name) {
    std::string out;
    out += fmt::format("Drawing      {}\n", name);
    out += fmt::format("Version      {}\n", headerText(db, "$ACADVER", 1));
    out += fmt::format("Handle seed  {}\n", db::handleText(db.handleSeed()));
    out += fmt::format("Extents      {}\n", extentsText(db));
    out += "\nEntities per type\n" + typeTable(db);
    out += "\nModel-space entities per layer\n" + layerCountTable(db);
    out += "\nBlocks\n" + blockTable(db);
    out += "\nLayers\n" + layerTable(db);
    return out;
}

} // namespace vma::console
