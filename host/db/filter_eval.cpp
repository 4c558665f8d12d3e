// Testing a parsed filter on an entity's stored groups.
#include "host/db/angles.h"
#include "host/db/filter.h"
#include "host/db/filter_node.h"

#include <algorithm>
#include <cmath>

namespace vma::host {
namespace {

using Kind = FilterNode::Kind;
using Type = GroupTest::Type;

// Reals compare equal within a relative tolerance: values come back from
// degrees, text and other conversions a few units in the last place apart.
bool nearlyEqual(double a, double b) {
    double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= 1e-10 * scale;
}

bool compareReal(Compare op, double value, double wanted) {
    bool equal = nearlyEqual(value, wanted);
    switch (op) {
    case Compare::Any:
        return true;
    case Compare::Equal:
        return equal;
    case Compare::NotEqual:
        return !equal;
    case Compare::Less:
        return !equal && value < wanted;
    case Compare::LessEqual:
        return equal || value < wanted;
    case Compare::Greater:
        return !equal && value > wanted;
    case Compare::GreaterEqual:
        return equal || value > wanted;
    case Compare::BitsAny:
    case Compare::BitsAll:
        return false;
    }
    return false;
}

bool compareInteger(Compare op, int64_t value, int64_t wanted) {
    switch (op) {
    case Compare::Any:
        return true;
    case Compare::Equal:
        return value == wanted;
    case Compare::NotEqual:
        return value != wanted;
    case Compare::Less:
        return value < wanted;
    case Compare::LessEqual:
        return value <= wanted;
    case Compare::Greater:
        return value > wanted;
    case Compare::GreaterEqual:
        return value >= wanted;
    case Compare::BitsAny:
        return (value & wanted) != 0;
    case Compare::BitsAll:
        return (value & wanted) == wanted;
    }
    return false;
}

// Filter values come in radians, as entget gives angles out.
double storedReal(std::string_view type, const db::GroupList& groups, size_t i) {
    double value = groups.real(i);
    return db::isAngleCode(type, groups[i].code) ? db::degreesToRadians(value) : value;
}

// A point is its X group followed by the Y (code + 10) and Z (code + 20) groups.
std::array<double, 3> storedPoint(const db::GroupList& groups, size_t i) {
    std::array<double, 3> p{groups.real(i), 0, 0};
    int code = groups[i].code;
    for (size_t axis = 1; axis < 3; ++axis) {
        size_t at = i + axis;
        if (at < groups.size() && groups[at].code == code + 10 * int(axis))
            p[axis] = groups.real(at);
    }
    return p;
}

bool testGroup(const GroupTest& test, std::string_view type, const db::GroupList& groups,
               size_t i) {
    switch (test.type) {
    case Type::Text:
        return test.ops[0] == Compare::Any || test.pattern->matches(groups.text(i)) != test.negated;
    case Type::Integer:
        return compareInteger(test.ops[0], groups.integer(i), test.integer);
    case Type::Real:
        return compareReal(test.ops[0], storedReal(type, groups, i), test.point[0]);
    case Type::Point: {
        auto p = storedPoint(groups, i);
        bool all = true;
        for (size_t axis = 0; axis < 3; ++axis)
            all = all && compareReal(test.ops[axis], p[axis], test.point[axis]);
        return all != test.negated;
    }
    }
    return false;
}

// What the CAD program assumes for common groups an entity leaves out.
db::GroupList defaultGroups(bool paperSpace) {
    db::GroupList g;
    g.addText(8, "0");
    g.addText(6, "BYLAYER");
    g.addInt(62, 256);
    g.addInt(67, paperSpace ? 1 : 0);
    g.addReal(39, 0.0);
    g.addReal(48, 1.0);
    g.addInt(60, 0);
    g.addInt(370, -1);
    g.addReal(210, 0.0);
    g.addReal(220, 0.0);
    g.addReal(230, 1.0);
    return g;
}

const db::GroupList& defaultsFor(const db::Database& db, const db::Entity& e) {
    static const db::GroupList model = defaultGroups(false);
    static const db::GroupList paper = defaultGroups(true);
    bool inPaper = e.block != db.modelSpace() && db.block(e.block).isLayout();
    return inPaper ? paper : model;
}

bool passesAlways(const GroupTest& test) {
    size_t axes = test.type == Type::Point ? 3 : 1;
    return std::all_of(test.ops.begin(), test.ops.begin() + axes,
                       [](Compare c) { return c == Compare::Any; });
}

// Groups an entity has at most one of (type, layer, linetype, colour, space,
// lineweight): a whole-drawing filter need not look further once it found it.
bool occursOnce(int code) {
    return code == 0 || code == 6 || code == 8 || code == 62 || code == 67 || code == 370;
}

// True when any group of the code passes; an entity without the group is
// tested on its default, and fails without one ("*" always passes).
bool testEntity(const GroupTest& test, const db::Database& db, const db::Entity& e) {
    if (passesAlways(test))
        return true;
    bool found = false;
    for (size_t i = 0; i < e.groups.size(); ++i) {
        if (e.groups[i].code != test.code)
            continue;
        if (testGroup(test, e.type(), e.groups, i))
            return true;
        if (occursOnce(test.code))
            return false;
        found = true;
    }
    if (found)
        return false;
    const db::GroupList& defaults = defaultsFor(db, e);
    long at = defaults.find(test.code);
    return at >= 0 && testGroup(test, e.type(), defaults, static_cast<size_t>(at));
}

bool hasApplication(const db::WcPattern& app, const db::Entity& e) {
    for (long i = e.groups.find(1001); i >= 0; i = e.groups.find(1001, size_t(i) + 1))
        if (app.matches(e.groups.text(size_t(i))))
            return true;
    return false;
}

bool evaluate(const FilterNode& node, const db::Database& db, const db::Entity& e) {
    auto passes = [&](const FilterNode& child) { return evaluate(child, db, e); };
    switch (node.kind) {
    case Kind::And:
        return std::all_of(node.children.begin(), node.children.end(), passes);
    case Kind::Or:
        return std::any_of(node.children.begin(), node.children.end(), passes);
    case Kind::Xor:
        return passes(node.children[0]) != passes(node.children[1]);
    case Kind::Not:
        return !passes(node.children[0]);
    case Kind::Test:
        return testEntity(node.test, db, e);
    case Kind::Xdata:
        return std::all_of(node.apps.begin(), node.apps.end(),
                           [&](const db::WcPattern& app) { return hasApplication(app, e); });
    }
    return false;
}

} // namespace

bool Filter::matches(const db::Database& db, db::EntityId id) const {
    return evaluate(*root_, db, db.entity(id));
}

} // namespace vma::host
