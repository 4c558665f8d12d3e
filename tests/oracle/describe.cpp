#include "host/base/text.h"
#include "oracle/oracle.h"

#include <map>
#include <set>

namespace vma::test {
namespace {

using db::GroupKind;
using db::GroupList;
using nlohmann::json;

// Which groups hold an entity type's main points, as ezdxf_check.py's points() takes them.
const std::map<std::string, std::set<int>, std::less<>> kPointCodes = {
    {"LINE", {10, 11}}, {"CIRCLE", {10}},    {"ARC", {10}},        {"POINT", {10}},
    {"TEXT", {10}},     {"MTEXT", {10}},     {"INSERT", {10}},     {"ATTRIB", {10}},
    {"ATTDEF", {10}},   {"DIMENSION", {10}}, {"LWPOLYLINE", {10}}, {"SOLID", {10, 11, 12, 13}},
};

class Describer {
public:
    explicit Describer(const db::Database& db) : db_(db) {
        for (db::EntityId id = 0; id < db.entityCount(); ++id)
            if (db.entity(id).parent != db::kNoEntity && !db.entity(id).erased)
                children_[db.entity(id).parent].push_back(id);
    }

    json layers() const {
        json out = json::object();
        for (const auto& r : db_.table(db::TableKind::Layer).records) {
            if (r.erased)
                continue;
            out[std::string(r.name())] = {
                {"color", r.groups.findInt(62).value_or(7)},
                {"linetype", std::string(r.groups.findText(6).value_or("Continuous"))}};
        }
        return out;
    }

    json blocks() const {
        json out = json::object();
        for (uint32_t b = 0; b < db_.blocks().size(); ++b) {
            const db::Block& block = db_.block(b);
            if (!block.erased && !block.isLayout())
                out[block.name] = entities(b);
        }
        return out;
    }

    json entities(uint32_t block) const {
        json out = json::array();
        for (db::EntityId id : db_.block(block).entities) {
            const db::Entity& e = db_.entity(id);
            if (!e.erased && e.parent == db::kNoEntity)
                out.push_back(entity(id));
        }
        return out;
    }

private:
    json entity(db::EntityId id) const {
        const db::Entity& e = db_.entity(id);
        const GroupList& g = e.groups;
        std::string type(e.type());
        json out = {{"type", type},
                    {"layer", std::string(g.findText(8).value_or("0"))},
                    {"handle", db::handleText(e.handle)},
                    {"points", points(id)}};
        if (type == "TEXT" || type == "ATTRIB" || type == "ATTDEF")
            out["text"] = std::string(g.findText(1).value_or(""));
        if (type == "MTEXT")
            out["text"] = mtextContent(g);
        if (type == "ATTRIB" || type == "ATTDEF")
            out["tag"] = std::string(g.findText(2).value_or(""));
        if (type == "INSERT" || type == "DIMENSION")
            out["name"] = std::string(g.findText(2).value_or(""));
        if (type == "DIMENSION")
            out["measurement"] = g.findReal(42).value_or(0.0);
        if (type == "HATCH") {
            out["paths"] = g.findInt(91).value_or(0);
            out["pattern_lines"] = g.findInt(78).value_or(0);
        }
        if (type == "CIRCLE" || type == "ARC")
            out["radius"] = g.findReal(40).value_or(0.0);
        if (type == "LWPOLYLINE")
            out["widths"] = lwpolylineWidths(g);
        if (type == "POLYLINE")
            out["widths"] = vertexWidths(id);
        if (json x = xdata(g); !x.empty())
            out["xdata"] = std::move(x);
        if (type == "INSERT")
            if (json a = attribs(id); !a.empty())
                out["attribs"] = std::move(a);
        return out;
    }

    static json point(const GroupList& g, size_t i) {
        int code = g[i].code;
        json p = {g.real(i), 0.0, 0.0};
        for (size_t k = 1; k <= 2 && i + k < g.size(); ++k)
            if (g[i + k].code == code + 10 * static_cast<int>(k))
                p[k] = g.real(i + k);
        return p;
    }

    json points(db::EntityId id) const {
        const db::Entity& e = db_.entity(id);
        json out = json::array();
        if (e.type() == "POLYLINE") {
            for (db::EntityId v : childrenOf(id))
                if (db_.entity(v).type() == "VERTEX")
                    out.push_back(pointOf(db_.entity(v).groups, 10));
            return out;
        }
        auto codes = kPointCodes.find(e.type());
        if (codes == kPointCodes.end())
            return out;
        const GroupList& g = e.groups;
        for (size_t i = 0; i < g.size() && g[i].code < 1000; ++i)
            if (codes->second.count(g[i].code))
                out.push_back(point(g, i));
        return out;
    }

    static json pointOf(const GroupList& g, int code) {
        long i = g.find(code);
        return i < 0 ? json{0.0, 0.0, 0.0} : point(g, static_cast<size_t>(i));
    }

    static std::string mtextContent(const GroupList& g) {
        std::string text;
        for (size_t i = 0; i < g.size(); ++i)
            if (g[i].code == 3)
                text += g.text(i);
        return text + std::string(g.findText(1).value_or(""));
    }

    static json lwpolylineWidths(const GroupList& g) {
        json out = json::array();
        for (size_t i = 0; i < g.size() && g[i].code < 1000; ++i) {
            if (g[i].code == 10)
                out.push_back({0.0, 0.0, 0.0});
            else if (!out.empty() && g[i].code >= 40 && g[i].code <= 42)
                out.back()[g[i].code - 40] = g.real(i);
        }
        return out;
    }

    json vertexWidths(db::EntityId id) const {
        json out = json::array();
        for (db::EntityId v : childrenOf(id)) {
            const GroupList& g = db_.entity(v).groups;
            if (db_.entity(v).type() == "VERTEX")
                out.push_back({g.findReal(40).value_or(0.0), g.findReal(41).value_or(0.0),
                               g.findReal(42).value_or(0.0)});
        }
        return out;
    }

    static json xdata(const GroupList& g) {
        json out = json::object();
        std::string app;
        for (size_t i = 0; i < g.size(); ++i) {
            int code = g[i].code;
            if (code == 1001)
                app = std::string(g.text(i));
            if (code < 1000 || app.empty())
                continue;
            bool isPoint = code >= 1010 && code <= 1013;
            if (code >= 1020 && code <= 1033)
                continue; // the y and z of a point, taken with its x
            json value = isPoint                        ? point(g, i)
                         : g[i].kind == GroupKind::Text ? json(std::string(g.text(i)))
                         : g[i].kind == GroupKind::Int  ? json(g.integer(i))
                                                        : json(g.real(i));
            out[app].push_back({code, std::move(value)});
        }
        return out;
    }

    json attribs(db::EntityId id) const {
        json out = json::array();
        for (db::EntityId a : childrenOf(id))
            if (db_.entity(a).type() == "ATTRIB")
                out.push_back(entity(a));
        return out;
    }

    const std::vector<db::EntityId>& childrenOf(db::EntityId id) const {
        static const std::vector<db::EntityId> none;
        auto it = children_.find(id);
        return it == children_.end() ? none : it->second;
    }

    const db::Database& db_;
    std::map<db::EntityId, std::vector<db::EntityId>> children_;
};

} // namespace

nlohmann::json describe(const db::Database& db) {
    Describer d(db);
    return {
        {"layers", d.layers()}, {"blocks", d.blocks()}, {"entities", d.entities(db.modelSpace())}};
}

} // namespace vma::test
