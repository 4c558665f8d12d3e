#include "host/cmd/insert_scale.h"

#include "acedads.h"
#include "host/db/session.h"
#include "host/input/point_reader.h"
#include "host/input/prompt.h"
#include "host/input/values.h"

#include <optional>

namespace vma::cmd {
namespace {

struct Presets {
    std::optional<double> x, y, z, rotation;
};

// A nonzero factor; Enter gives the fallback.
std::optional<double> askFactor(std::wstring_view prompt, double fallback) {
    double value = 0;
    acedInitGet(RSG_NOZERO, nullptr);
    int status = acedGetReal(std::wstring(prompt).c_str(), &value);
    if (status == RTNONE)
        return fallback;
    if (status != RTNORM)
        return std::nullopt;
    return value;
}

std::optional<double> askRotation(const ads_point base, std::wstring_view prompt) {
    double angle = 0;
    int status = acedGetOrient(base, std::wstring(prompt).c_str(), &angle);
    if (status == RTNONE)
        return 0.0;
    if (status != RTNORM)
        return std::nullopt;
    return angle;
}

// One answer to the X scale prompt: a factor, a corner point, or a keyword.
struct XAnswer {
    int status = RTNONE;
    double factor = 1;
    std::optional<input::Point> corner; // UCS
    std::wstring keyword;
};

XAnswer askXScale(std::wstring_view prompt, std::wstring_view keywords, const input::Point& at) {
    input::Ask a{prompt, input::parseInitGet(0, keywords), {}, false};
    input::PointReader reader(a.init, at);
    XAnswer out;
    out.status = input::ask(a, [&](const input::InputEvent& e) {
        if (e.kind == input::InputEvent::Kind::Text) {
            if (auto v = input::parseReal(e.text)) {
                if (*v == 0)
                    return input::Reply::retry(L"Value must be nonzero.");
                out.factor = *v;
                return input::Reply::done(RTNORM);
            }
        }
        input::Reply r =
            reader.read(e, L"Requires numeric scale factor, a point, or option keyword.");
        if (r.status == RTNORM)
            out.corner = reader.value();
        return r;
    });
    if (out.status == RTKWORD)
        out.keyword = host::Session::get().lastInput();
    return out;
}

bool askCorner(const input::Point& at, Presets& p) {
    ads_point base = {at[0], at[1], at[2]}, corner;
    if (acedGetCorner(base, L"Specify opposite corner: ", corner) != RTNORM)
        return false;
    double dx = corner[0] - at[0], dy = corner[1] - at[1];
    if (dx == 0 || dy == 0)
        return false;
    p.x = dx;
    p.y = dy;
    return true;
}

bool askEachAxis(const input::Point& at, Presets& p) {
    XAnswer x = askXScale(L"Specify X scale factor or [Corner] <1>: ", L"Corner", at);
    if (x.status == RTKWORD)
        return askCorner(at, p);
    if (x.status != RTNORM && x.status != RTNONE)
        return false;
    p.x = x.factor;
    auto y = askFactor(L"Specify Y scale factor or <use X scale factor>: ", *p.x);
    auto z = y ? askFactor(L"Specify Z scale factor or <use X scale factor>: ", *p.x) : y;
    if (!z)
        return false;
    p.y = y;
    p.z = z;
    return true;
}

bool askScales(const input::Point& at, Presets& p, bool exploded) {
    if (p.x)
        return true;
    if (exploded) {
        p.x = askFactor(L"Specify scale factor for XYZ axes <1>: ", 1);
        p.y = p.z = p.x;
        return p.x.has_value();
    }
    XAnswer x = askXScale(L"Enter X scale factor, specify opposite corner, or [Corner/XYZ] <1>: ",
                          L"Corner XYZ", at);
    if (x.status == RTKWORD && x.keyword == L"XYZ")
        return askEachAxis(at, p);
    if (x.status == RTKWORD && !askCorner(at, p))
        return false;
    if (x.status != RTKWORD && x.status != RTNORM && x.status != RTNONE)
        return false;
    if (x.corner) {
        p.x = (*x.corner)[0] - at[0];
        p.y = (*x.corner)[1] - at[1];
    } else if (!p.x) {
        p.x = x.factor;
    }
    if (!p.y)
        p.y = askFactor(L"Enter Y scale factor <use X scale factor>: ", *p.x);
    return p.y.has_value();
}

// The first prompt, with options that fix values before the point is given.
std::optional<input::Point> askInsertionPoint(BlockPlacement& at, Presets& p) {
    for (;;) {
        acedInitGet(0, L"Basepoint Scale X Y Z Rotate");
        ads_point pt;
        int status = acedGetPoint(
            nullptr, L"Specify insertion point or [Basepoint/Scale/X/Y/Z/Rotate]: ", pt);
        if (status == RTNORM)
            return input::Point{pt[0], pt[1], pt[2]};
        if (status != RTKWORD)
            return std::nullopt;
        std::wstring option = host::Session::get().lastInput();
        if (option == L"Basepoint") {
            if (acedGetPoint(nullptr, L"Specify base point: ", pt) != RTNORM)
                return std::nullopt;
            at.base = {pt[0], pt[1], pt[2]};
            continue;
        }
        if (option == L"Rotate") {
            p.rotation = askRotation(nullptr, L"Specify rotation angle <0>: ");
            if (!p.rotation)
                return std::nullopt;
            continue;
        }
        std::wstring prompt = option == L"Scale" ? L"Specify scale factor for XYZ axes <1>: "
                                                 : L"Specify " + option + L" scale factor <1>: ";
        auto factor = askFactor(prompt, 1);
        if (!factor)
            return std::nullopt;
        if (option == L"Scale" || option == L"X")
            p.x = factor;
        if (option == L"Scale" || option == L"Y")
            p.y = factor;
        if (option == L"Scale" || option == L"Z")
            p.z = factor;
    }
}

} // namespace

bool askPlacement(BlockPlacement& at, const Plane& plane, bool exploded) {
    Presets p;
    auto point = askInsertionPoint(at, p);
    if (!point)
        return false;
    if (!p.x && (p.y || p.z))
        p.x = 1.0;
    if (!askScales(*point, p, exploded))
        return false;
    at.insertion = plane.toOcs(*point);
    at.xScale = *p.x;
    at.yScale = p.y.value_or(*p.x);
    at.zScale = p.z.value_or(*p.x);
    if (!p.rotation) {
        ads_point base = {(*point)[0], (*point)[1], (*point)[2]};
        p.rotation = askRotation(base, L"Specify rotation angle <0>: ");
        if (!p.rotation)
            return false;
    }
    at.rotation = plane.angleInOcs(*p.rotation);
    return true;
}

} // namespace vma::cmd
