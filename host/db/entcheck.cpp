// The checks acdbEntMake and acdbEntMod apply to one list, and the defaults
// they fill in, as the CAD program does for data coming in from a DXF file.
#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/entmake.h"
#include "host/db/subclass.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace vma::host {
namespace {

struct TypeRule {
    std::string_view type;
    std::array<int, 5> required; // ends at the first 0
    bool positiveSize = false;   // group 40 must be above zero
};

constexpr TypeRule kTypes[] = {
    {"LINE", {10, 11}},
    {"POINT", {10}},
    {"CIRCLE", {10, 40}, true},
    {"ARC", {10, 40, 50, 51}, true},
    {"TEXT", {10, 40, 1}, true},
    {"MTEXT", {10, 1}},
    {"ATTDEF", {10, 40, 1, 2, 3}, true},
    {"ATTRIB", {10, 40, 1, 2}, true},
    {"INSERT", {2, 10}},
    {"SOLID", {10, 11, 12}},
    {"TRACE", {10, 11, 12}},
    {"3DFACE", {10, 11, 12}},
    {"LWPOLYLINE", {10}},
    {"POLYLINE", {}},
    {"VERTEX", {10}},
    {"SEQEND", {}},
    {"ELLIPSE", {10, 11, 40}, true},
    {"XLINE", {10, 11}},
    {"RAY", {10, 11}},
    {"SHAPE", {10, 40, 2}, true},
    {"TOLERANCE", {10}},
    {"DIMENSION", {}},
    {"HATCH", {}},
    {"SPLINE", {}},
    {"LEADER", {}},
    {"MLINE", {}},
    {"REGION", {}},
    {"3DSOLID", {}},
    {"BODY", {}},
    {"IMAGE", {}},
    {"WIPEOUT", {}},
    {"MLEADER", {}},
    {"OLE2FRAME", {}},
};

const TypeRule* ruleFor(std::string_view type) {
    for (const TypeRule& rule : kTypes)
        if (rule.type == type)
            return &rule;
    return nullptr;
}

Error refused(int code, std::string why) {
    return Error::coded(code, std::move(why));
}

// The groups without what the database keeps apart or owns itself: handles,
// owner, extension dictionary, application groups ({ ... }) and the space flag.
db::GroupList withoutInternalGroups(const db::GroupList& groups, bool& paperSpace) {
    db::GroupList out;
    bool inAppGroup = false;
    for (size_t i = 0; i < groups.size(); ++i) {
        int code = groups[i].code;
        if (code == 102) {
            inAppGroup = !groups.text(i).empty() && groups.text(i)[0] == '{';
            continue;
        }
        if (code == 67) {
            paperSpace = groups.integer(i) == 1;
            continue;
        }
        if (inAppGroup || code == 5 || code == 105 || code == 330 || code == 360)
            continue;
        out.addFrom(groups, i);
    }
    return out;
}

// Groups of a BLOCK list that prepareBlockHeader puts in their places itself.
bool isBlockHeaderCode(int code) {
    for (int c : {0, 1, 2, 3, 8, 10, 20, 30, 70, 100})
        if (code == c)
            return true;
    return false;
}

bool hasLinetype(const db::Database& db, std::string_view name) {
    return equalsNoCase(name, "BYLAYER") || equalsNoCase(name, "BYBLOCK") ||
           db.findRecord(db::TableKind::LType, name).has_value();
}

std::string currentLayer(const db::Database& db) {
    const db::GroupList* clayer = db.headerValue("CLAYER");
    auto name = clayer ? clayer->findText(8) : std::nullopt;
    return name && !name->empty() ? std::string(*name) : std::string("0");
}

// Fills in the layer; names a layer to create when the drawing lacks it.
ErrorOr<void> settleLayer(const db::Database& db, PreparedEntity& entity) {
    db::GroupList& groups = entity.groups;
    if (groups.find(8) < 0)
        groups.insertText(1, 8, currentLayer(db));
    std::string layer(*groups.findText(8));
    if (!isValidSymbolName(layer))
        return refused(adserr::kBadLayer, "bad layer name: " + layer);
    if (!db.findRecord(db::TableKind::Layer, layer))
        entity.layerToCreate = layer;
    return {};
}

ErrorOr<void> checkReferences(const db::Database& db, const db::GroupList& groups) {
    if (auto lt = groups.findText(6); lt && !hasLinetype(db, *lt))
        return refused(adserr::kBadLinetype, "no such linetype: " + std::string(*lt));
    if (auto st = groups.findText(7); st && !db.findRecord(db::TableKind::Style, *st))
        return refused(adserr::kBadTextStyle, "no such text style: " + std::string(*st));
    if (auto color = groups.findInt(62); color && (*color < 0 || *color > 256))
        return refused(adserr::kBadColor, "color out of range");
    long normal = groups.find(210);
    if (normal >= 0) {
        auto n = static_cast<size_t>(normal);
        double length = std::fabs(groups.real(n));
        for (size_t k = n + 1; k < n + 3 && k < groups.size(); ++k)
            length += std::fabs(groups.real(k));
        if (length == 0)
            return refused(adserr::kBadNormal, "zero extrusion direction");
    }
    return {};
}

ErrorOr<void> checkRule(const db::Database& db, const TypeRule& rule, const db::GroupList& groups) {
    for (int code : rule.required) {
        if (code == 0)
            break;
        if (groups.find(code) < 0)
            return refused(adserr::kMissingField,
                           std::string(rule.type) + " needs group " + std::to_string(code));
    }
    if (rule.positiveSize && groups.findReal(40).value_or(0) <= 0)
        return refused(adserr::kBadField, std::string(rule.type) + " needs a size above zero");
    if (rule.type != "INSERT")
        return {};
    auto block = db.findBlock(*groups.findText(2));
    if (!block || db.block(*block).isLayout() || db.block(*block).erased)
        return refused(adserr::kBadBlockName, "no such block: " + std::string(*groups.findText(2)));
    return {};
}

void addDefault(db::GroupList& groups, int code, double real) {
    if (groups.find(code) < 0)
        groups.addReal(code, real);
}

void addDefault(db::GroupList& groups, int code, int64_t integer) {
    if (groups.find(code) < 0)
        groups.addInt(code, integer);
}

void addDefault(db::GroupList& groups, int code, std::string_view text) {
    if (groups.find(code) < 0)
        groups.addText(code, text);
}

// The record's own groups with the defaults of its table, before its extended data.
db::GroupList recordBody(db::TableKind kind, const db::GroupList& groups, size_t xdata) {
    db::GroupList body;
    body.addFrom(groups, static_cast<size_t>(groups.find(2)));
    body.addInt(70, groups.findInt(70).value_or(0));
    for (size_t i = 1; i < xdata; ++i)
        if (groups[i].code != 2 && groups[i].code != 70 && groups[i].code != 100)
            body.addFrom(groups, i);
    switch (kind) {
    case db::TableKind::Layer:
        addDefault(body, 62, int64_t(7));
        addDefault(body, 6, "Continuous");
        break;
    case db::TableKind::LType:
        addDefault(body, 3, "");
        addDefault(body, 72, int64_t(65));
        addDefault(body, 73, int64_t(0));
        addDefault(body, 40, 0.0);
        break;
    case db::TableKind::Style:
        addDefault(body, 40, 0.0);
        addDefault(body, 41, 1.0);
        addDefault(body, 50, 0.0);
        addDefault(body, 71, int64_t(0));
        addDefault(body, 42, 2.5);
        addDefault(body, 3, "txt");
        addDefault(body, 4, "");
        break;
    default:
        break;
    }
    for (size_t i = xdata; i < groups.size(); ++i)
        body.addFrom(groups, i);
    return body;
}

} // namespace

bool isValidSymbolName(std::string_view name) {
    if (name.empty() || name.size() > 255)
        return false;
    if (name.find_first_not_of(' ') == std::string_view::npos)
        return false;
    return name.find_first_of("<>/\\\":;?*|,=`") == std::string_view::npos;
}

ErrorOr<PreparedEntity> prepareEntity(const db::Database& db, db::GroupList groups) {
    if (groups.empty() || groups[0].code != 0)
        return refused(adserr::kBadEntityType, "the list does not start with its type");
    std::string type = upperName(groups.text(0));
    if (type == "VIEWPORT")
        return refused(adserr::kViewportEntity, "viewports are not made through lists");
    const TypeRule* rule = ruleFor(type);
    if (!rule)
        return refused(adserr::kBadEntityType, "not an entity type: " + type);
    db::stripSubclassMarkers(groups);
    PreparedEntity entity;
    entity.groups.addText(0, type);
    db::GroupList rest = withoutInternalGroups(groups, entity.paperSpace);
    for (size_t i = 1; i < rest.size(); ++i)
        entity.groups.addFrom(rest, i);
    VMA_TRY(settleLayer(db, entity));
    VMA_TRY(checkReferences(db, entity.groups));
    VMA_TRY(checkRule(db, *rule, entity.groups));
    VMA_TRY(checkXdata(db, entity.groups));
    return entity;
}

ErrorOr<PreparedEntity> prepareBlockHeader(const db::Database& db, db::GroupList groups) {
    PreparedEntity block;
    db::GroupList clean = withoutInternalGroups(groups, block.paperSpace);
    size_t xdata = xdataStart(clean);
    long name = clean.find(2);
    if (name < 0 || static_cast<size_t>(name) >= xdata)
        return refused(adserr::kMissingBlockName, "a block needs its name");
    std::string blockName(clean.text(static_cast<size_t>(name)));
    bool anonymous = blockName[0] == '*';
    if (!anonymous && !isValidSymbolName(blockName))
        return refused(adserr::kBadBlockName, "bad block name: " + blockName);
    std::string layer(clean.findText(8).value_or("0"));
    if (!isValidSymbolName(layer))
        return refused(adserr::kBadLayer, "bad layer name: " + layer);
    if (!db.findRecord(db::TableKind::Layer, layer))
        block.layerToCreate = layer;
    db::GroupList& header = block.groups;
    header.addText(8, layer);
    header.addText(2, blockName);
    header.addInt(70, clean.findInt(70).value_or(0) | (anonymous ? 1 : 0));
    for (int code : {10, 20, 30})
        header.addReal(code, clean.findReal(code).value_or(0));
    header.addText(3, blockName);
    header.addText(1, clean.findText(1).value_or(""));
    for (size_t i = 1; i < clean.size(); ++i)
        if (i >= xdata || !isBlockHeaderCode(clean[i].code))
            header.addFrom(clean, i);
    VMA_TRY(checkXdata(db, clean));
    return block;
}

ErrorOr<db::GroupList> prepareRecord(const db::Database& db, db::TableKind kind,
                                     db::GroupList groups) {
    bool paperSpace = false;
    db::GroupList clean = withoutInternalGroups(groups, paperSpace);
    size_t xdata = xdataStart(clean);
    long name = clean.find(2);
    if (name < 0 || static_cast<size_t>(name) >= xdata)
        return refused(adserr::kMissingField, "a table entry needs its name");
    if (!isValidSymbolName(clean.text(static_cast<size_t>(name))))
        return refused(adserr::kBadSymbolName, "bad symbol name");
    if (kind == db::TableKind::Layer) {
        if (auto lt = clean.findText(6); lt && !hasLinetype(db, *lt))
            return refused(adserr::kBadLinetype, "no such linetype: " + std::string(*lt));
        if (auto color = clean.findInt(62); color && (*color == 0 || std::abs(*color) > 256))
            return refused(adserr::kBadColor, "color out of range");
    }
    VMA_TRY(checkXdata(db, clean));
    return recordBody(kind, clean, xdata);
}

void ensureLayer(db::Database& db, std::string_view name) {
    if (db.findRecord(db::TableKind::Layer, name))
        return;
    db::TableRecord layer;
    layer.groups.addText(2, name);
    layer.groups.addInt(70, 0);
    layer.groups.addInt(62, 7);
    layer.groups.addText(6, "Continuous");
    db.addRecord(db::TableKind::Layer, std::move(layer));
}

ErrorOr<void> checkXdata(const db::Database& db, const db::GroupList& groups) {
    constexpr size_t kMaxBytes = 16383;
    size_t start = xdataStart(groups);
    for (size_t i = 0; i < start; ++i)
        if (groups[i].code >= 1000)
            return refused(adserr::kBadAppIdLocation, "extended data before its application");
    int depth = 0;
    size_t bytes = 0;
    for (size_t i = start; i < groups.size(); ++i) {
        int code = groups[i].code;
        const db::Group& g = groups[i];
        bytes += g.kind == db::GroupKind::Text ? g.size() + 2 : 8;
        if (code == 1001) {
            if (depth != 0)
                return refused(adserr::kBadXdataNesting, "unbalanced braces in extended data");
            if (!db.findRecord(db::TableKind::AppId, groups.text(i)))
                return refused(adserr::kBadAppIdLocation,
                               "application not registered: " + std::string(groups.text(i)));
            continue;
        }
        if (code < 1000 || code > 1071)
            return refused(adserr::kBadXdataType,
                           "not an extended-data group: " + std::to_string(code));
        if (code == 1002) {
            std::string_view brace = groups.text(i);
            if (brace == "{")
                ++depth;
            else if (brace == "}" && depth > 0)
                --depth;
            else
                return refused(adserr::kBadXdataNesting, "bad brace in extended data");
        }
        if ((code == 1000 && g.size() > 255) || (code == 1004 && g.size() > 254))
            return refused(adserr::kBadXdataType, "extended-data text too long");
    }
    if (depth != 0)
        return refused(adserr::kBadXdataNesting, "unbalanced braces in extended data");
    if (bytes > kMaxBytes)
        return refused(adserr::kXdataTooLarge, "too much extended data");
    return {};
}

} // namespace vma::host
