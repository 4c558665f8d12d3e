#include "host/cmd/dim_style.h"

#include "host/db/entmake.h"
#include "host/db/handle.h"
#include "host/sysvar/access.h"
#include "host/sysvar/definition.h"

namespace vma::cmd {
namespace {

// The text style variable is kept as a reference to the STYLE entry (340),
// as R2000 drawings keep it; every other one by value.
constexpr int kTextStyleCode = 340;

constexpr StyleVariable kStyleVariables[] = {
    {"DIMPOST", 3},    {"DIMAPOST", 4},   {"DIMBLK", 5},      {"DIMBLK1", 6},
    {"DIMBLK2", 7},    {"DIMSCALE", 40},  {"DIMASZ", 41},     {"DIMEXO", 42},
    {"DIMDLI", 43},    {"DIMEXE", 44},    {"DIMRND", 45},     {"DIMDLE", 46},
    {"DIMTP", 47},     {"DIMTM", 48},     {"DIMTXT", 140},    {"DIMCEN", 141},
    {"DIMTSZ", 142},   {"DIMALTF", 143},  {"DIMLFAC", 144},   {"DIMTVP", 145},
    {"DIMTFAC", 146},  {"DIMGAP", 147},   {"DIMALTRND", 148}, {"DIMTOL", 71},
    {"DIMLIM", 72},    {"DIMTIH", 73},    {"DIMTOH", 74},     {"DIMSE1", 75},
    {"DIMSE2", 76},    {"DIMTAD", 77},    {"DIMZIN", 78},     {"DIMAZIN", 79},
    {"DIMALT", 170},   {"DIMALTD", 171},  {"DIMTOFL", 172},   {"DIMSAH", 173},
    {"DIMTIX", 174},   {"DIMSOXD", 175},  {"DIMCLRD", 176},   {"DIMCLRE", 177},
    {"DIMCLRT", 178},  {"DIMADEC", 179},  {"DIMDEC", 271},    {"DIMTDEC", 272},
    {"DIMALTU", 273},  {"DIMALTTD", 274}, {"DIMAUNIT", 275},  {"DIMFRAC", 276},
    {"DIMLUNIT", 277}, {"DIMTMOVE", 279}, {"DIMJUST", 280},   {"DIMSD1", 281},
    {"DIMSD2", 282},   {"DIMTOLJ", 283},  {"DIMTZIN", 284},   {"DIMALTZ", 285},
    {"DIMALTTZ", 286}, {"DIMUPT", 288},   {"DIMATFIT", 289},  {"DIMTXSTY", kTextStyleCode},
    {"DIMLWD", 371},   {"DIMLWE", 372},
};

bool isMetric(const db::Database& db) {
    const db::GroupList* v = db.headerValue("$MEASUREMENT");
    return v && v->findInt(70).value_or(0) != 0;
}

// The STYLE entry a 340 group refers to, by name; empty when it is gone.
std::string styleByHandle(const db::Database& db, std::string_view hex) {
    const db::SymbolTable& styles = db.table(db::TableKind::Style);
    for (const db::TableRecord& r : styles.records)
        if (!r.erased && db::handleText(r.handle) == hex)
            return std::string(r.name());
    return {};
}

void addValue(db::GroupList& out, const db::Database& db, const StyleVariable& var,
              const host::SysvarValue& v) {
    if (var.code == kTextStyleCode) {
        if (auto style = db.findRecord(db::TableKind::Style, v.text))
            out.addText(var.code, db::handleText(db.record(db::TableKind::Style, *style).handle));
        return;
    }
    switch (v.type) {
    case host::VarType::Short:
    case host::VarType::Long:
        out.addInt(var.code, v.integer);
        return;
    case host::VarType::Real:
        out.addReal(var.code, v.real);
        return;
    default:
        out.addText(var.code, v.text);
        return;
    }
}

// The value a style entry gives a variable; the initial value when it has none.
host::SysvarValue valueFrom(const db::Database& db, const db::GroupList& entry,
                            const StyleVariable& var, const host::SysvarDef& def) {
    host::SysvarValue v = host::initialValue(def, isMetric(db));
    long at = entry.find(var.code);
    if (at < 0)
        return v;
    size_t i = static_cast<size_t>(at);
    if (var.code == kTextStyleCode) {
        std::string name = styleByHandle(db, entry.text(i));
        if (!name.empty())
            v.text = name;
        return v;
    }
    if (v.isInteger())
        v.integer = entry.integer(i);
    else if (v.type == host::VarType::Real)
        v.real = entry.real(i);
    else
        v.text = std::string(entry.text(i));
    return v;
}

} // namespace

std::span<const StyleVariable> styleVariables() {
    return kStyleVariables;
}

ErrorOr<void> saveDimStyle(host::Session& session, std::string_view name) {
    if (!host::isValidSymbolName(name))
        return Error{"invalid dimension style name"};
    db::Database& db = *session.current().db;
    auto existing = db.findRecord(db::TableKind::DimStyle, name);
    db::GroupList entry;
    entry.addText(2, existing ? db.record(db::TableKind::DimStyle, *existing).name() : name);
    entry.addInt(70, 0);
    for (const StyleVariable& var : kStyleVariables) {
        VMA_TRY_ASSIGN(host::SysvarValue v, host::getSysvar(session, var.name));
        addValue(entry, db, var, v);
    }
    std::string stored(entry.text(0));
    if (existing) {
        db.replaceRecord(db::TableKind::DimStyle, *existing, std::move(entry));
    } else {
        db::TableRecord record;
        record.groups = std::move(entry);
        db.addRecord(db::TableKind::DimStyle, std::move(record));
    }
    return host::setSysvarInternal(session, "DIMSTYLE", host::SysvarValue::ofText(stored));
}

ErrorOr<void> restoreDimStyle(host::Session& session, std::string_view name) {
    db::Database& db = *session.current().db;
    auto index = db.findRecord(db::TableKind::DimStyle, name);
    if (!index || db.record(db::TableKind::DimStyle, *index).erased)
        return Error{"no dimension style named " + std::string(name)};
    const db::TableRecord& record = db.record(db::TableKind::DimStyle, *index);
    db::GroupList entry = record.groups;
    std::string stored(record.name());
    for (const StyleVariable& var : kStyleVariables) {
        const host::SysvarDef* def = host::findSysvar(var.name);
        if (!def)
            continue;
        // A value the entry holds that the variable refuses (a block since
        // purged) leaves the variable as it was rather than failing halfway.
        (void)host::setSysvarInternal(session, var.name, valueFrom(db, entry, var, *def));
    }
    return host::setSysvarInternal(session, "DIMSTYLE", host::SysvarValue::ofText(stored));
}

} // namespace vma::cmd
