// UCS NAmed: coordinate systems kept by name in the drawing's UCS table, each
// record holding its origin (10), X direction (11) and Y direction (12) in the WCS.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/answers.h"
#include "host/cmd/current.h"
#include "host/cmd/ucs_frame.h"
#include "host/cmd/ucs_options.h"
#include "host/db/wcmatch.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

#include <fmt/format.h>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

constexpr auto kUcs = db::TableKind::Ucs;

std::optional<std::wstring> askName(const ACHAR* prompt) {
    ACHAR answer[256] = {};
    if (acedGetString(0, prompt, answer, std::size(answer)) != RTNORM)
        return std::nullopt;
    return std::wstring(answer);
}

// A name, or "?" which lists the saved systems instead (nullopt then, as on cancel).
std::optional<std::wstring> askNameOrList(host::Session& session, const ACHAR* prompt) {
    auto name = askName(prompt);
    if (name && *name == L"?") {
        listNamedUcs(session);
        return std::nullopt;
    }
    return name;
}

// Symbol table names: not empty, none of the characters AutoCAD keeps out of them.
bool validName(std::wstring_view name) {
    return !name.empty() && name.size() <= 255 &&
           name.find_first_of(L"<>/\\\":;?*|,=`") == std::wstring_view::npos;
}

Vec3 groupPoint(const db::GroupList& groups, int code, const Vec3& fallback) {
    return {groups.findReal(code).value_or(fallback[0]),
            groups.findReal(code + 10).value_or(fallback[1]),
            groups.findReal(code + 20).value_or(fallback[2])};
}

void addPoint(db::GroupList& groups, int code, const double p[3]) {
    for (int i = 0; i < 3; ++i)
        groups.addReal(code + 10 * i, p[i]);
}

db::GroupList recordGroups(std::string_view name, const host::Frame& frame) {
    db::GroupList groups;
    groups.addText(2, name);
    groups.addInt(70, 0);
    addPoint(groups, 10, frame.origin.data());
    addPoint(groups, 11, frame.axes.x);
    addPoint(groups, 12, frame.axes.y);
    groups.addInt(79, 0);
    groups.addReal(146, 0);
    return groups;
}

std::optional<uint32_t> findLive(const db::Database& db, std::string_view name) {
    auto index = db.findRecord(kUcs, name);
    if (!index || db.record(kUcs, *index).erased)
        return std::nullopt;
    return index;
}

bool mayReplace(host::Session& session, std::wstring_view name) {
    auto expert = host::getSysvar(session, "EXPERT");
    if (expert.ok() && expert->integer >= 4)
        return true;
    auto yes = askYesNo(
        L"A UCS named " + std::wstring(name) + L" already exists. Replace it? <N>: ", false);
    return yes && *yes;
}

std::wstring formatPoint(const double p[3]) {
    return fmt::format(L"<{:.4f},{:.4f},{:.4f}>", p[0], p[1], p[2]);
}

} // namespace

void saveNamedUcs(host::Session& session) {
    auto name = askNameOrList(session, L"Enter name to save current UCS or [?]: ");
    if (!name)
        return;
    if (!validName(*name)) {
        input::say(L"Invalid UCS name.\n");
        return;
    }
    db::Database& db = *session.current().db;
    std::string utf8 = wideToUtf8(*name);
    db::GroupList groups = recordGroups(utf8, currentUcs(session));
    if (auto existing = findLive(db, utf8)) {
        if (!mayReplace(session, *name))
            return;
        db.replaceRecord(kUcs, *existing, std::move(groups));
    } else {
        db::TableRecord record;
        record.groups = std::move(groups);
        db.addRecord(kUcs, std::move(record));
    }
    (void)host::setSysvarInternal(session, "UCSNAME", host::SysvarValue::ofText(utf8));
}

void restoreNamedUcs(host::Session& session) {
    auto name = askNameOrList(session, L"Enter name of UCS to restore or [?]: ");
    if (!name)
        return;
    const db::Database& db = *session.current().db;
    auto index = findLive(db, wideToUtf8(*name));
    if (!index) {
        input::say(L"Cannot find UCS " + upperName(*name) + L".\n");
        return;
    }
    const db::TableRecord& r = db.record(kUcs, *index);
    Vec3 origin = groupPoint(r.groups, 10, {0, 0, 0});
    Vec3 x = groupPoint(r.groups, 11, {1, 0, 0});
    Vec3 y = groupPoint(r.groups, 12, {0, 1, 0});
    auto frame =
        frameThrough(origin, Vec3{origin[0] + x[0], origin[1] + x[1], origin[2] + x[2]},
                     Vec3{origin[0] + y[0], origin[1] + y[1], origin[2] + y[2]}, host::Frame{});
    if (!frame) {
        input::say(L"UCS " + upperName(*name) + L" has no usable axes.\n");
        return;
    }
    applyUcs(session, *frame, r.name());
}

// Deleting cannot be undone: the table has no erase the journal records.
void deleteNamedUcs(host::Session& session) {
    auto pattern = askName(L"Enter UCS name(s) to delete <none>: ");
    if (!pattern || pattern->empty())
        return;
    db::Database& db = *session.current().db;
    db::WcPattern match(*pattern, db::WcCase::Insensitive);
    auto current = host::getSysvar(session, "UCSNAME");
    int count = 0;
    for (uint32_t i = 0; i < db.table(kUcs).records.size(); ++i) {
        const db::TableRecord& r = db.record(kUcs, i);
        if (r.erased || !match.matches(r.name()))
            continue;
        if (current.ok() && equalsNoCase(current->text, r.name()))
            (void)host::setSysvarInternal(session, "UCSNAME", host::SysvarValue::ofText(""));
        db.dropRecord(kUcs, i);
        ++count;
    }
    input::say(fmt::format(L"Deleted {} UCS{}.\n", count, count == 1 ? L"" : L"s"));
}

void listNamedUcs(host::Session& session) {
    auto pattern = askName(L"Enter UCS name(s) to list <*>: ");
    if (!pattern)
        return;
    db::WcPattern match(pattern->empty() ? L"*" : *pattern, db::WcCase::Insensitive);
    const db::Database& db = *session.current().db;
    input::say(L"Saved coordinate systems:\n");
    for (const db::TableRecord& r : db.table(kUcs).records) {
        if (r.erased || !match.matches(r.name()))
            continue;
        Vec3 o = groupPoint(r.groups, 10, {0, 0, 0});
        Vec3 x = groupPoint(r.groups, 11, {1, 0, 0});
        Vec3 y = groupPoint(r.groups, 12, {0, 1, 0});
        input::say(utf8ToWide(r.name()) + L"\n    Origin = " + formatPoint(o.data()) +
                   L", X Axis = " + formatPoint(x.data()) + L"\n    Y Axis = " +
                   formatPoint(y.data()) + L"\n");
    }
}

void namedUcs(host::Session& session) {
    auto option =
        askKeyword(L"Enter an option [Restore/Save/Delete/?]: ", L"Restore Save Delete ?", L"");
    if (!option || option->empty())
        return;
    if (*option == L"Restore")
        restoreNamedUcs(session);
    else if (*option == L"Save")
        saveNamedUcs(session);
    else if (*option == L"Delete")
        deleteNamedUcs(session);
    else
        listNamedUcs(session);
}

} // namespace vma::cmd
