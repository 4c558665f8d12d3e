#include "host/sysvar/checks.h"

#include "host/base/text.h"
#include "host/db/ads_errno.h"
#include "host/db/session.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>

namespace vma::host {
namespace {

// The arrowheads AutoCAD draws without a block of the drawing.
constexpr std::string_view kArrows[] = {
    "_ARCHTICK",   "_BOXBLANK",    "_BOXFILLED", "_CLOSED",   "_CLOSEDBLANK",
    "_DATUMBLANK", "_DATUMFILLED", "_DOT",       "_DOTBLANK", "_DOTSMALL",
    "_INTEGRAL",   "_NONE",        "_OBLIQUE",   "_OPEN",     "_OPEN30",
    "_OPEN90",     "_ORIGIN",      "_ORIGIN2",   "_SMALL",
};

constexpr std::string_view kColorNames[] = {"RED",     "YELLOW", "GREEN", "CYAN",
                                            "MAGENTA", "BLUE",   "WHITE"};
constexpr int kColorNumbers[] = {1, 2, 3, 4, 6, 5, 7};

int errnoFor(db::TableKind table) {
    switch (table) {
    case db::TableKind::Layer:
        return adserr::kBadLayer;
    case db::TableKind::LType:
        return adserr::kBadLinetype;
    case db::TableKind::Style:
        return adserr::kBadTextStyle;
    default:
        return adserr::kBadSymbolName;
    }
}

ErrorOr<uint32_t> liveRecord(const db::Database& db, db::TableKind table, const std::string& name) {
    auto index = db.findRecord(table, name);
    if (!index || db.record(table, *index).erased)
        return Error::coded(errnoFor(table),
                            "no " + std::string(db::tableName(table)) + " named " + name);
    return *index;
}

ErrorOr<SysvarValue> existingRecord(Session& session, db::TableKind table, const SysvarValue& v) {
    const db::Database& db = *session.current().db;
    VMA_TRY_ASSIGN(uint32_t index, liveRecord(db, table, v.text));
    return SysvarValue::ofText(std::string(db.record(table, index).name()));
}

bool isFrozen(const db::TableRecord& layer) {
    return (layer.groups.findInt(70).value_or(0) & 1) != 0;
}

bool isPredefinedArrow(std::string_view upper) {
    std::string name = upper.starts_with('_') ? std::string(upper) : "_" + std::string(upper);
    return std::find(std::begin(kArrows), std::end(kArrows), name) != std::end(kArrows);
}

} // namespace

ErrorOr<SysvarValue> existingLayer(Session& session, SysvarValue v) {
    const db::Database& db = *session.current().db;
    VMA_TRY_ASSIGN(uint32_t index, liveRecord(db, db::TableKind::Layer, v.text));
    const db::TableRecord& layer = db.record(db::TableKind::Layer, index);
    if (isFrozen(layer))
        return Error::coded(adserr::kBadLayer, "cannot make a frozen layer current");
    return SysvarValue::ofText(std::string(layer.name()));
}

ErrorOr<SysvarValue> existingLinetype(Session& session, SysvarValue v) {
    return existingRecord(session, db::TableKind::LType, v);
}

ErrorOr<SysvarValue> existingTextStyle(Session& session, SysvarValue v) {
    return existingRecord(session, db::TableKind::Style, v);
}

ErrorOr<SysvarValue> arrowBlock(Session& session, SysvarValue v) {
    if (v.text == "." || v.text.empty())
        return SysvarValue::ofText("");
    std::string upper = upperName(v.text);
    if (isPredefinedArrow(upper))
        return SysvarValue::ofText(upper.starts_with('_') ? upper : "_" + upper);
    const db::Database& db = *session.current().db;
    auto block = db.findBlock(v.text);
    if (!block || db.block(*block).erased)
        return Error{"no block named " + v.text};
    v.text = db.block(*block).name;
    return v;
}

ErrorOr<SysvarValue> positiveReal(Session&, SysvarValue v) {
    if (v.real > 0)
        return v;
    if (v.real == 0)
        return Error::coded(adserr::kZeroNotAllowed, "zero is not allowed");
    return Error::coded(adserr::kOutOfRange, "value must be positive");
}

ErrorOr<int> parseColor(std::string_view text) {
    std::string upper = upperName(text);
    if (upper == "BYLAYER")
        return 256;
    if (upper == "BYBLOCK")
        return 0;
    for (size_t i = 0; i < std::size(kColorNames); ++i)
        if (upper == kColorNames[i])
            return kColorNumbers[i];
    int n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1 || n > 255)
        return Error::coded(adserr::kBadColor, "not a colour: " + std::string(text));
    return n;
}

} // namespace vma::host
