#include "host/cmd/hatch_pattern.h"

#include "host/base/text.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

// One line family of a pattern file: angle (degrees), origin, offset (along
// the line, then across it), dashes.
struct Family {
    double angle, x, y, along, across;
};

struct Predefined {
    std::string_view name;
    std::vector<Family> families;
};

const std::vector<Predefined>& table() {
    static const std::vector<Predefined> kTable = {
        {"ANSI31", {{45, 0, 0, 0, 3.175}}},
        {"ANSI37", {{45, 0, 0, 0, 3.175}, {135, 0, 0, 0, 3.175}}},
        {"LINE", {{0, 0, 0, 0, 3.175}}},
        {"NET", {{0, 0, 0, 0, 3.175}, {90, 0, 0, 0, 3.175}}},
    };
    return kTable;
}

const Predefined* find(std::string_view name) {
    std::string upper = upperName(name);
    for (const Predefined& p : table())
        if (p.name == upper)
            return &p;
    return nullptr;
}

std::vector<Family> familiesOf(const HatchPattern& pattern) {
    if (pattern.user) {
        std::vector<Family> f = {{0, 0, 0, 0, 1}};
        if (pattern.twice)
            f.push_back({90, 0, 0, 0, 1});
        return f;
    }
    const Predefined* p = find(pattern.name);
    return p ? p->families : std::vector<Family>{};
}

void addFamily(db::GroupList& g, const Family& f, const HatchPattern& pattern) {
    double a = f.angle * std::numbers::pi / 180 + pattern.angle;
    double c = std::cos(a), s = std::sin(a), k = pattern.scale;
    double bc = std::cos(pattern.angle), bs = std::sin(pattern.angle);
    g.addReal(53, a * 180 / std::numbers::pi);
    g.addReal(43, (f.x * bc - f.y * bs) * k);
    g.addReal(44, (f.x * bs + f.y * bc) * k);
    g.addReal(45, (f.along * c - f.across * s) * k);
    g.addReal(46, (f.along * s + f.across * c) * k);
    g.addInt(79, 0);
}

} // namespace

std::optional<HatchPattern> predefinedPattern(std::string_view name) {
    if (equalsNoCase(name, "SOLID"))
        return HatchPattern{"SOLID", true, false, 0, 1, false};
    const Predefined* p = find(name);
    if (!p)
        return std::nullopt;
    return HatchPattern{std::string(p->name), false, false, 0, 1, false};
}

std::vector<std::string> patternNames() {
    std::vector<std::string> out;
    for (const Predefined& p : table())
        out.emplace_back(p.name);
    out.emplace_back("SOLID");
    return out;
}

void addPatternGroups(db::GroupList& g, const HatchPattern& pattern) {
    g.addInt(75, 0);
    g.addInt(76, pattern.user ? 0 : 1);
    if (pattern.solid)
        return;
    g.addReal(52, pattern.angle * 180 / std::numbers::pi);
    g.addReal(41, pattern.scale);
    g.addInt(77, pattern.twice ? 1 : 0);
    std::vector<Family> families = familiesOf(pattern);
    g.addInt(78, static_cast<int64_t>(families.size()));
    for (const Family& f : families)
        addFamily(g, f, pattern);
}

} // namespace vma::cmd
