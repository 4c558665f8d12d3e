#include "host/cmd/ucs_command.h"

#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/ucs_frame.h"
#include "host/cmd/ucs_history.h"
#include "host/cmd/ucs_options.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr std::wstring_view kFirstPrompt =
    L"Specify origin of UCS or [Face/NAmed/OBject/Previous/View/World/X/Y/Z/ZAxis] <World>: ";
// The visible options, then the ones earlier releases showed, which scripts still send.
constexpr const ACHAR* kFirstKeywords =
    L"Face NAmed OBject Previous View World X Y Z ZAxis Origin 3point Save Restore Delete ?";

std::wstring currentName(host::Session& session) {
    if (isWorld(currentUcs(session)))
        return L"*WORLD*";
    auto name = host::getSysvar(session, "UCSNAME");
    if (!name.ok() || name->text.empty())
        return L"*NO NAME*";
    return utf8ToWide(name->text);
}

void invalid() {
    input::say(L"Invalid: the points give no coordinate system.\n");
}

// A point in the current UCS, in the WCS; fallback (UCS) on Enter. nullopt on cancel.
std::optional<Vec3> askWorldPoint(const host::Frame& ucs, const ACHAR* prompt, const Vec3& fallback,
                                  const ads_real* base = nullptr) {
    ads_point p = {fallback[0], fallback[1], fallback[2]};
    int status = acedGetPoint(base, prompt, p);
    if (status == RTNONE)
        return toWorldPoint(ucs, fallback);
    if (status != RTNORM)
        return std::nullopt;
    return toWorldPoint(ucs, {p[0], p[1], p[2]});
}

// An optional further point: nullopt on Enter (accept), and cancelled set on Esc.
std::optional<Vec3> askAcceptPoint(const host::Frame& ucs, const ACHAR* prompt, bool& cancelled) {
    ads_point p = {};
    int status = acedGetPoint(nullptr, prompt, p);
    cancelled = status != RTNORM && status != RTNONE;
    if (status != RTNORM)
        return std::nullopt;
    return toWorldPoint(ucs, {p[0], p[1], p[2]});
}

void newOrigin(host::Session& session, const host::Frame& ucs) {
    auto origin = askWorldPoint(ucs, L"Specify new origin point <0,0,0>: ", {0, 0, 0});
    if (!origin)
        return;
    host::Frame moved = ucs;
    moved.origin = *origin;
    applyUcs(session, moved, "");
}

// A point typed at the first prompt: the origin, then the X axis and XY plane if given.
void throughPoints(host::Session& session, const host::Frame& ucs, const Vec3& origin) {
    bool cancelled = false;
    auto onX = askAcceptPoint(ucs, L"Specify point on X-axis or <Accept>: ", cancelled);
    if (cancelled)
        return;
    std::optional<Vec3> onXY;
    if (onX) {
        onXY = askAcceptPoint(ucs, L"Specify point on the XY plane or <Accept>: ", cancelled);
        if (cancelled)
            return;
    }
    auto frame = frameThrough(origin, onX, onXY, ucs);
    if (!frame) {
        invalid();
        return;
    }
    applyUcs(session, *frame, "");
}

void threePoints(host::Session& session, const host::Frame& ucs) {
    auto origin = askWorldPoint(ucs, L"Specify new origin point <0,0,0>: ", {0, 0, 0});
    if (!origin)
        return;
    auto onX =
        askWorldPoint(ucs, L"Specify point on positive portion of X-axis <1,0,0>: ", {1, 0, 0});
    if (!onX)
        return;
    auto onXY = askWorldPoint(
        ucs, L"Specify point on positive-Y portion of the UCS XY plane <0,1,0>: ", {0, 1, 0});
    if (!onXY)
        return;
    auto frame = frameThrough(*origin, onX, onXY, ucs);
    if (!frame) {
        invalid();
        return;
    }
    applyUcs(session, *frame, "");
}

void zAxis(host::Session& session, const host::Frame& ucs) {
    acedInitGet(0, L"Object");
    ads_point p = {0, 0, 0};
    int status = acedGetPoint(nullptr, L"Specify new origin point or [Object] <0,0,0>: ", p);
    if (status == RTKWORD) {
        if (auto frame = objectUcs(session))
            applyUcs(session, *frame, "");
        return;
    }
    if (status != RTNORM && status != RTNONE)
        return;
    Vec3 local{p[0], p[1], p[2]};
    Vec3 origin = toWorldPoint(ucs, local);
    auto onZ = askWorldPoint(ucs, L"Specify point on positive portion of Z-axis: ",
                             {local[0], local[1], local[2] + 1}, p);
    if (!onZ)
        return;
    auto frame = frameAlongZ(origin, *onZ);
    if (!frame) {
        invalid();
        return;
    }
    applyUcs(session, *frame, "");
}

double defaultTurn(host::Session& session) {
    auto v = host::getSysvar(session, "UCSAXISANG");
    double degrees = v.ok() ? static_cast<double>(v->integer) : 90.0;
    return degrees * std::numbers::pi / 180.0;
}

// Typed in the drawing's angle units, so a script that sets AUNITS to radians
// sends radians.
void turn(host::Session& session, const host::Frame& ucs, int axis) {
    static constexpr const ACHAR* kPrompts[3] = {L"Specify rotation angle about X axis <90>: ",
                                                 L"Specify rotation angle about Y axis <90>: ",
                                                 L"Specify rotation angle about Z axis <90>: "};
    ads_real angle = 0;
    int status = acedGetAngle(nullptr, kPrompts[axis], &angle);
    if (status == RTNONE)
        angle = defaultTurn(session);
    else if (status != RTNORM)
        return;
    applyUcs(session, rotatedAbout(ucs, axis, angle), "");
}

void previous(host::Session& session) {
    auto last = takePreviousUcs(session.current());
    if (!last) {
        input::say(L"No previous UCS saved.\n");
        return;
    }
    storeUcs(session, last->frame, last->name);
}

void view(host::Session& session, const host::Frame& ucs) {
    host::Frame v = host::viewFrame(*session.current().db);
    v.origin = ucs.origin;
    applyUcs(session, v, "");
}

void keywordOption(host::Session& session, const host::Frame& ucs, std::wstring_view keyword) {
    if (keyword == L"World")
        applyUcs(session, host::Frame{}, "");
    else if (keyword == L"Origin")
        newOrigin(session, ucs);
    else if (keyword == L"X" || keyword == L"Y" || keyword == L"Z")
        turn(session, ucs, keyword[0] - L'X');
    else if (keyword == L"Previous")
        previous(session);
    else if (keyword == L"ZAxis")
        zAxis(session, ucs);
    else if (keyword == L"3point")
        threePoints(session, ucs);
    else if (keyword == L"View")
        view(session, ucs);
    else if (keyword == L"OBject") {
        if (auto frame = objectUcs(session))
            applyUcs(session, *frame, "");
    } else if (keyword == L"NAmed")
        namedUcs(session);
    else if (keyword == L"Save")
        saveNamedUcs(session);
    else if (keyword == L"Restore")
        restoreNamedUcs(session);
    else if (keyword == L"Delete")
        deleteNamedUcs(session);
    else if (keyword == L"?")
        listNamedUcs(session);
    else if (keyword == L"Face")
        input::say(L"This drawing host keeps no solids, surfaces or meshes to take a face from.\n");
}

void ucsCommand() {
    host::Session& session = host::Session::get();
    host::Frame ucs = currentUcs(session);
    input::say(L"Current ucs name:  " + currentName(session) + L"\n");
    acedInitGet(0, kFirstKeywords);
    ads_point p = {};
    int status = acedGetPoint(nullptr, kFirstPrompt.data(), p);
    if (status == RTNONE) {
        applyUcs(session, host::Frame{}, "");
        return;
    }
    if (status == RTNORM) {
        throughPoints(session, ucs, toWorldPoint(ucs, {p[0], p[1], p[2]}));
        return;
    }
    if (status != RTKWORD)
        return;
    ACHAR keyword[32] = {};
    acedGetInput(keyword, std::size(keyword));
    keywordOption(session, ucs, keyword);
}

} // namespace

void applyUcs(host::Session& session, const host::Frame& frame, std::string_view name) {
    host::Document& doc = session.current();
    auto oldName = host::getSysvar(session, "UCSNAME");
    rememberUcs(doc, {currentUcs(session), oldName.ok() ? oldName->text : std::string()});
    storeUcs(session, frame, name);
}

void addUcsCommands(input::CommandRegistry& registry) {
    registry.add(L"UCS", ucsCommand);
}

} // namespace vma::cmd
