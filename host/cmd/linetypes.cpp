#include "host/cmd/linetypes.h"

#include "host/base/text.h"

#include <cmath>
#include <string>
#include <vector>

namespace vma::cmd {
namespace {

struct Definition {
    std::string_view name;
    std::string_view description;
    std::vector<double> dashes; // millimetres: dash above 0, gap below, dot 0
};

const std::vector<Definition>& definitions() {
    static const std::vector<Definition> all = {
        {"BORDER",
         "Border __ __ . __ __ . __ __ . __ __ . __ __ .",
         {12.7, -6.35, 12.7, -6.35, 0, -6.35}},
        {"CENTER", "Center ____ _ ____ _ ____ _ ____ _ ____ _ ____", {31.75, -6.35, 6.35, -6.35}},
        {"DASHDOT", "Dash dot __ . __ . __ . __ . __ . __ . __ . __", {12.7, -6.35, 0, -6.35}},
        {"DASHED", "Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _", {12.7, -6.35}},
        {"DIVIDE",
         "Divide ____ . . ____ . . ____ . . ____ . . ____",
         {12.7, -6.35, 0, -6.35, 0, -6.35}},
        {"DOT", "Dot . . . . . . . . . . . . . . . . . . . . . . . .", {0, -6.35}},
        {"HIDDEN", "Hidden __ __ __ __ __ __ __ __ __ __ __ __ __ __", {6.35, -3.175}},
        {"PHANTOM",
         "Phantom ______  __  __  ______  __  __  ______",
         {31.75, -6.35, 6.35, -6.35, 6.35, -6.35}},
    };
    return all;
}

struct Variant {
    std::string_view suffix;
    std::string_view note;
    double scale;
};
constexpr Variant kVariants[] = {{"", "", 1}, {"2", " (.5x)", 0.5}, {"X2", " (2x)", 2}};

db::GroupList record(const Definition& d, const Variant& v) {
    db::GroupList g;
    std::string name(d.name);
    name += v.suffix;
    std::string description(d.description);
    if (!v.note.empty())
        description = description.substr(0, description.find(' ')) + std::string(v.note) +
                      description.substr(description.find(' '));
    g.addText(2, name);
    g.addInt(70, 0);
    g.addText(3, description);
    g.addInt(72, 65);
    g.addInt(73, static_cast<int64_t>(d.dashes.size()));
    double total = 0;
    for (double dash : d.dashes)
        total += std::abs(dash) * v.scale;
    g.addReal(40, total);
    for (double dash : d.dashes) {
        g.addReal(49, dash * v.scale);
        g.addInt(74, 0);
    }
    return g;
}

std::optional<db::GroupList> standardDefinition(std::string_view name) {
    std::string upper = upperName(name);
    for (const Definition& d : definitions())
        for (const Variant& v : kVariants)
            if (upper == std::string(d.name) + std::string(v.suffix))
                return record(d, v);
    return std::nullopt;
}

} // namespace

std::optional<uint32_t> loadedLinetype(db::Database& db, std::string_view name) {
    if (auto index = db.findRecord(db::TableKind::LType, name))
        return index;
    auto definition = standardDefinition(name);
    if (!definition)
        return std::nullopt;
    db::TableRecord r;
    r.groups = std::move(*definition);
    return db.addRecord(db::TableKind::LType, std::move(r));
}

} // namespace vma::cmd
