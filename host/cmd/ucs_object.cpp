// UCS OBject: a line gives X along itself from its end nearer the pick; other
// entities give their own object coordinate system, moved to their first
// point and, for texts, blocks and shapes, turned by their rotation.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/ucs_frame.h"
#include "host/cmd/ucs_options.h"
#include "host/db/ename.h"
#include "host/input/prompt.h"

#include <cmath>
#include <numbers>

namespace vma::cmd {
namespace {

Vec3 point(const db::GroupList& groups, int code) {
    return {groups.findReal(code).value_or(0), groups.findReal(code + 10).value_or(0),
            groups.findReal(code + 20).value_or(0)};
}

double distance2(const Vec3& a, const Vec3& b) {
    double d = 0;
    for (size_t i = 0; i < 3; ++i)
        d += (a[i] - b[i]) * (a[i] - b[i]);
    return d;
}

std::optional<host::Frame> lineFrame(const db::GroupList& groups, const Vec3& picked) {
    Vec3 start = point(groups, 10);
    Vec3 end = point(groups, 11);
    if (distance2(picked, end) < distance2(picked, start))
        std::swap(start, end);
    return frameThrough(start, end, std::nullopt, host::Frame{});
}

bool turnsWithRotation(std::string_view type) {
    return type == "TEXT" || type == "INSERT" || type == "ATTRIB" || type == "ATTDEF" ||
           type == "SHAPE";
}

host::Frame planarFrame(const db::Entity& e) {
    const db::GroupList& g = e.groups;
    double extrusion[3] = {g.findReal(210).value_or(0), g.findReal(220).value_or(0),
                           g.findReal(230).value_or(1)};
    host::Frame f = host::extrusionFrame(extrusion);
    Vec3 first = point(g, 10);
    if (e.type() == "LWPOLYLINE")
        first[2] = g.findReal(38).value_or(0);
    f.origin = toWorldPoint(f, first);
    if (!turnsWithRotation(e.type()))
        return f;
    double degrees = g.findReal(50).value_or(0);
    return rotatedAbout(f, 2, degrees * std::numbers::pi / 180.0);
}

} // namespace

std::optional<host::Frame> objectUcs(host::Session& session) {
    ads_name name = {};
    ads_point picked = {};
    if (acedEntSel(L"Select object to align UCS: ", name, picked) != RTNORM)
        return std::nullopt;
    auto ref = host::resolveEntity(name);
    if (!ref)
        return std::nullopt;
    const db::Entity& e = ref->doc->db->entity(ref->index);
    Vec3 pick = toWorldPoint(currentUcs(session), {picked[0], picked[1], picked[2]});
    if (e.type() == "LINE") {
        auto frame = lineFrame(e.groups, pick);
        if (!frame)
            input::say(L"The line has no length to align with.\n");
        return frame;
    }
    return planarFrame(e);
}

} // namespace vma::cmd
