#include "host/sysvar/computed.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/sysvar/access.h"
#include "host/sysvar/checks.h"
#include "host/sysvar/dates.h"

#include <filesystem>
#include <string>

namespace vma::host {
namespace {

// A folder as AutoCAD gives it in DWGPREFIX and TEMPPREFIX: with a trailing separator.
SysvarValue folderText(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return SysvarValue::ofText(std::move(text));
}

std::array<double, 3> pointOf(Session& session, std::string_view name) {
    auto v = getSysvar(session, name);
    return v ? v->point : std::array<double, 3>{};
}

double realOf(Session& session, std::string_view name) {
    auto v = getSysvar(session, name);
    return v ? v->real : 0;
}

// Half the width and height of the current view; the width follows the viewport's aspect ratio.
std::array<double, 2> halfView(Session& session) {
    const db::Database& db = *session.current().db;
    double aspect = 1;
    if (auto vport = db.findRecord(db::TableKind::VPort, "*ACTIVE"))
        aspect = db.record(db::TableKind::VPort, *vport).groups.findReal(41).value_or(1);
    double height = realOf(session, "VIEWSIZE");
    return {height * aspect / 2, height / 2};
}

SysvarValue viewCorner(Session& session, double sign) {
    auto centre = pointOf(session, "VIEWCTR");
    auto half = halfView(session);
    return SysvarValue::ofPoint(VarType::Point3, centre[0] + sign * half[0],
                                centre[1] + sign * half[1], 0);
}

} // namespace

SysvarValue acadVersion(Session&) {
    return SysvarValue::ofText("24.0s");
}

SysvarValue platformName(Session&) {
    return SysvarValue::ofText("Microsoft Windows NT Version 10.0 (x64)");
}

SysvarValue currentCDate(Session&) {
    return SysvarValue::ofReal(calendarNumber(localNow()));
}

SysvarValue currentJulianDate(Session&) {
    return SysvarValue::ofReal(julianDate(localNow()));
}

SysvarValue documentName(Session& session) {
    return SysvarValue::ofText(wideToUtf8(session.current().name));
}

SysvarValue documentPrefix(Session& session) {
    const Document& doc = session.current();
    if (doc.path.empty())
        return folderText(std::filesystem::current_path());
    return folderText(std::filesystem::absolute(doc.path).parent_path());
}

SysvarValue documentTitled(Session& session) {
    return SysvarValue::ofShort(session.current().path.empty() ? 0 : 1);
}

SysvarValue documentModified(Session& session) {
    return SysvarValue::ofShort(session.current().db->modifiedFlags());
}

SysvarValue tempPrefix(Session&) {
    return folderText(std::filesystem::temp_directory_path());
}

SysvarValue worldUcs(Session& session) {
    bool world = pointOf(session, "UCSORG") == std::array<double, 3>{0, 0, 0} &&
                 pointOf(session, "UCSXDIR") == std::array<double, 3>{1, 0, 0} &&
                 pointOf(session, "UCSYDIR") == std::array<double, 3>{0, 1, 0};
    return SysvarValue::ofShort(world ? 1 : 0);
}

SysvarValue virtualScreenMin(Session& session) {
    return viewCorner(session, -1);
}

SysvarValue virtualScreenMax(Session& session) {
    return viewCorner(session, 1);
}

SysvarValue lastErrno(Session& session) {
    return SysvarValue::ofShort(session.lastErrno());
}

ErrorOr<void> storeErrno(Session& session, const SysvarValue& v) {
    session.lastErrno() = static_cast<int>(v.integer);
    return {};
}

SysvarValue currentColor(Session& session) {
    const db::GroupList* groups = session.current().db->headerValue("$CECOLOR");
    int64_t color = groups ? groups->findInt(62).value_or(256) : 256;
    if (color == 256)
        return SysvarValue::ofText("BYLAYER");
    if (color == 0)
        return SysvarValue::ofText("BYBLOCK");
    return SysvarValue::ofText(std::to_string(color));
}

ErrorOr<void> storeColor(Session& session, const SysvarValue& v) {
    VMA_TRY_ASSIGN(int color, parseColor(v.text));
    db::GroupList groups;
    groups.addInt(62, color);
    session.current().db->setHeaderValue("$CECOLOR", std::move(groups));
    return {};
}

} // namespace vma::host
