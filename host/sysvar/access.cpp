#include "host/sysvar/access.h"

#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/session.h"
#include "host/sysvar/definition.h"

#include <optional>
#include <string>

namespace vma::host {
namespace {

SysvarWatcher& watcher() {
    static SysvarWatcher w;
    return w;
}

void tellWatcher(Session& session, const SysvarDef& def, const SysvarValue& v);

bool isMetric(const db::Database& db) {
    const db::GroupList* v = db.headerValue("$MEASUREMENT");
    return v && v->findInt(70).value_or(0) != 0;
}

std::optional<uint32_t> activeViewport(const db::Database& db) {
    return db.findRecord(db::TableKind::VPort, "*ACTIVE");
}

std::optional<SysvarValue> fromGroups(const SysvarDef& def, const db::GroupList& groups) {
    switch (def.type) {
    case VarType::Short:
    case VarType::Long:
        if (auto i = groups.findInt(def.code))
            return SysvarValue::ofInt(def.type, *i);
        return std::nullopt;
    case VarType::Real:
        if (auto r = groups.findReal(def.code))
            return SysvarValue::ofReal(*r);
        return std::nullopt;
    case VarType::Text:
        if (auto t = groups.findText(def.code))
            return SysvarValue::ofText(std::string(*t));
        return std::nullopt;
    case VarType::Point2:
    case VarType::Point3:
        break;
    }
    auto x = groups.findReal(def.code);
    auto y = groups.findReal(def.code + 10);
    if (!x || !y)
        return std::nullopt;
    double z = def.type == VarType::Point3 ? groups.findReal(def.code + 20).value_or(0) : 0;
    return SysvarValue::ofPoint(def.type, *x, *y, z);
}

// Writes the value into groups, replacing the groups of its codes.
void intoGroups(const SysvarDef& def, const SysvarValue& v, db::GroupList& groups) {
    switch (def.type) {
    case VarType::Short:
    case VarType::Long:
        groups.setInt(def.code, v.integer);
        return;
    case VarType::Real:
        groups.setReal(def.code, v.real);
        return;
    case VarType::Text:
        groups.setText(def.code, v.text);
        return;
    case VarType::Point2:
    case VarType::Point3:
        break;
    }
    groups.setReal(def.code, v.point[0]);
    groups.setReal(def.code + 10, v.point[1]);
    if (def.type == VarType::Point3)
        groups.setReal(def.code + 20, v.point[2]);
}

SysvarValue readHeader(Session& session, const SysvarDef& def) {
    const db::Database& db = *session.current().db;
    const db::GroupList* groups = db.headerValue(def.name);
    if (groups)
        if (auto v = fromGroups(def, *groups))
            return *v;
    return initialValue(def, isMetric(db));
}

SysvarValue readViewport(Session& session, const SysvarDef& def) {
    const db::Database& db = *session.current().db;
    if (auto vport = activeViewport(db))
        if (auto v = fromGroups(def, db.record(db::TableKind::VPort, *vport).groups))
            return *v;
    return initialValue(def, isMetric(db));
}

SysvarValue readSession(Session& session, const SysvarDef& def) {
    if (const SysvarValue* v = session.sysvars().find(def.name))
        return *v;
    return initialValue(def, false);
}

ErrorOr<void> writeHeader(Session& session, const SysvarDef& def, const SysvarValue& v) {
    db::Database& db = *session.current().db;
    db::GroupList groups;
    if (const db::GroupList* old = db.headerValue(def.name))
        groups = *old;
    intoGroups(def, v, groups);
    db.setHeaderValue(def.name, std::move(groups));
    return {};
}

ErrorOr<void> writeViewport(Session& session, const SysvarDef& def, const SysvarValue& v) {
    db::Database& db = *session.current().db;
    auto vport = activeViewport(db);
    if (!vport)
        return Error{"the drawing has no active viewport"};
    db::GroupList groups = db.record(db::TableKind::VPort, *vport).groups;
    intoGroups(def, v, groups);
    db.replaceRecord(db::TableKind::VPort, *vport, std::move(groups));
    return {};
}

void tellWatcher(Session& session, const SysvarDef& def, const SysvarValue& v) {
    if (def.readOnly || !watcher())
        return;
    SysvarValue before = readSession(session, def);
    if (before != v)
        watcher()(def.name, before);
}

ErrorOr<void> write(Session& session, const SysvarDef& def, const SysvarValue& v) {
    switch (def.storage) {
    case Storage::Header:
        return writeHeader(session, def, v);
    case Storage::VPort:
        return writeViewport(session, def, v);
    case Storage::Registry:
    case Storage::Session:
        tellWatcher(session, def, v);
        session.sysvars().store(def.name, v);
        return {};
    case Storage::Computed:
        break;
    }
    if (!def.store)
        return Error::coded(adserr::kReadOnlyVariable,
                            std::string(def.name) + " is computed and cannot be set");
    return def.store(session, v);
}

// The value brought to the variable's type, where AutoCAD converts.
ErrorOr<SysvarValue> coerce(const SysvarDef& def, SysvarValue v) {
    auto refuse = [&] { return Error{"wrong type of value for " + std::string(def.name)}; };
    switch (def.type) {
    case VarType::Short:
    case VarType::Long:
        if (!v.isInteger())
            return refuse();
        v.type = def.type;
        return v;
    case VarType::Real:
        if (v.isInteger())
            return SysvarValue::ofReal(static_cast<double>(v.integer));
        if (v.type != VarType::Real)
            return refuse();
        return v;
    case VarType::Text:
        if (v.type != VarType::Text)
            return refuse();
        return v;
    case VarType::Point2:
    case VarType::Point3:
        break;
    }
    if (!v.isPoint())
        return refuse();
    v.type = def.type;
    if (def.type == VarType::Point2)
        v.point[2] = 0;
    return v;
}

ErrorOr<void> checkRange(const SysvarDef& def, const SysvarValue& v) {
    double x = 0;
    double lo = def.min;
    double hi = def.max;
    if (def.type == VarType::Short) {
        x = static_cast<double>(v.integer);
        lo = std::max(lo, -32768.0);
        hi = std::min(hi, 32767.0);
    } else if (def.type == VarType::Long) {
        x = static_cast<double>(v.integer);
        lo = std::max(lo, -2147483648.0);
        hi = std::min(hi, 2147483647.0);
    } else if (def.type == VarType::Real) {
        x = v.real;
    } else {
        return {};
    }
    if (x >= lo && x <= hi)
        return {};
    return Error::coded(adserr::kOutOfRange, "value out of range for " + std::string(def.name));
}

ErrorOr<void> set(Session& session, std::string_view name, const SysvarValue& value,
                  bool internal) {
    const SysvarDef* def = findSysvar(name);
    if (!def)
        return Error{"unknown variable name: " + std::string(name)};
    bool mayWriteLocked = internal && def->storage != Storage::Computed;
    if (def->readOnly && !mayWriteLocked)
        return Error::coded(adserr::kReadOnlyVariable, std::string(def->name) + " is read-only");
    VMA_TRY_ASSIGN(SysvarValue v, coerce(*def, value));
    VMA_TRY(checkRange(*def, v));
    if (def->check) {
        VMA_TRY_ASSIGN(SysvarValue checked, def->check(session, std::move(v)));
        return write(session, *def, checked);
    }
    return write(session, *def, v);
}

} // namespace

ErrorOr<SysvarValue> getSysvar(Session& session, std::string_view name) {
    const SysvarDef* def = findSysvar(name);
    if (!def)
        return Error{"unknown variable name: " + std::string(name)};
    switch (def->storage) {
    case Storage::Header:
        return readHeader(session, *def);
    case Storage::VPort:
        return readViewport(session, *def);
    case Storage::Registry:
    case Storage::Session:
        return readSession(session, *def);
    case Storage::Computed:
        break;
    }
    return def->compute(session);
}

ErrorOr<void> setSysvar(Session& session, std::string_view name, const SysvarValue& value) {
    return set(session, name, value, false);
}

ErrorOr<void> setSysvarInternal(Session& session, std::string_view name, const SysvarValue& value) {
    return set(session, name, value, true);
}

void setSysvarWatcher(SysvarWatcher w) {
    watcher() = std::move(w);
}

} // namespace vma::host
