#include "host/cmd/drafting_input.h"

#include "acedads.h"
#include "host/base/text.h"
#include "host/db/ename.h"
#include "host/db/frames.h"
#include "host/db/session.h"
#include "host/geom/matrix.h"
#include "host/input/select_objects.h"

#include <algorithm>
#include <vector>

namespace vma::cmd {
namespace {

template <class T> Response<T> fromStatus(int status, T value) {
    Response<T> a;
    switch (status) {
    case RTNORM:
        a.kind = Response<T>::Kind::Value;
        a.value = std::move(value);
        return a;
    case RTNONE:
        a.kind = Response<T>::Kind::Enter;
        return a;
    case RTKWORD: {
        a.kind = Response<T>::Kind::Keyword;
        wchar_t buf[512] = {};
        if (acedGetInput(buf, 512) == RTNORM)
            a.keyword = buf;
        return a;
    }
    default:
        return a;
    }
}

std::wstring nulTerminated(std::wstring_view s) {
    return std::wstring(s);
}

void initGet(int flags, std::wstring_view keywords) {
    std::wstring k = nulTerminated(keywords);
    acedInitGet(flags, keywords.empty() ? nullptr : k.c_str());
}

Vec3 vec(const ads_point p) {
    return {p[0], p[1], p[2]};
}

} // namespace

UcsAxes currentUcs() {
    UcsAxes u;
    auto& session = host::Session::get();
    if (!session.hasDocument())
        return u;
    host::Frame f = host::ucsFrame(*session.current().db);
    u.origin = {f.origin[0], f.origin[1], f.origin[2]};
    u.x = {f.axes.x[0], f.axes.x[1], f.axes.x[2]};
    u.y = {f.axes.y[0], f.axes.y[1], f.axes.y[2]};
    u.z = {f.axes.z[0], f.axes.z[1], f.axes.z[2]};
    return u;
}

Vec3 ucsToWorld(const Vec3& p) {
    UcsAxes u = currentUcs();
    return {u.origin.x + u.x.x * p.x + u.y.x * p.y + u.z.x * p.z,
            u.origin.y + u.x.y * p.x + u.y.y * p.y + u.z.y * p.z,
            u.origin.z + u.x.z * p.x + u.y.z * p.y + u.z.z * p.z};
}

Response<Vec3> promptPoint(std::wstring_view prompt, std::wstring_view keywords,
                           const std::optional<Vec3>& base, int flags) {
    initGet(flags, keywords);
    std::wstring p = nulTerminated(prompt);
    ads_point out = {0, 0, 0};
    int status = RTERROR;
    if (base) {
        UcsAxes u = currentUcs();
        Vec3 d = *base - u.origin;
        ads_point b = {geom::dot(d, u.x), geom::dot(d, u.y), geom::dot(d, u.z)};
        status = acedGetPoint(b, p.c_str(), out);
    } else {
        status = acedGetPoint(nullptr, p.c_str(), out);
    }
    return fromStatus(status, ucsToWorld(vec(out)));
}

Response<double> promptOrientation(std::wstring_view prompt) {
    initGet(0, {});
    std::wstring p = nulTerminated(prompt);
    double v = 0;
    int status = acedGetOrient(nullptr, p.c_str(), &v);
    return fromStatus(status, v);
}

Response<double> promptDistance(std::wstring_view prompt, int flags) {
    initGet(flags, {});
    std::wstring p = nulTerminated(prompt);
    double v = 0;
    int status = acedGetDist(nullptr, p.c_str(), &v);
    return fromStatus(status, v);
}

Response<std::string> promptText(std::wstring_view prompt, bool whole) {
    std::wstring p = nulTerminated(prompt);
    std::vector<wchar_t> buf(2050, 0);
    int status = acedGetString(whole ? 1 : 0, p.c_str(), buf.data(), buf.size());
    if (status == RTINPUTTRUNCATED)
        status = RTNORM;
    return fromStatus(status, wideToUtf8(buf.data()));
}

Response<std::wstring> promptKeyword(std::wstring_view prompt, std::wstring_view keywords,
                                     bool other) {
    initGet(other ? RSG_OTHER : 0, keywords);
    std::wstring p = nulTerminated(prompt);
    wchar_t buf[512] = {};
    int status = acedGetKword(p.c_str(), buf, 512);
    return fromStatus(status, std::wstring(buf));
}

Response<Picked> pickEntityAt(std::wstring_view prompt, std::wstring_view keywords) {
    std::wstring p = nulTerminated(prompt);
    for (;;) {
        initGet(0, keywords);
        ads_name name = {0, 0};
        ads_point at = {0, 0, 0};
        int status = acedEntSel(p.c_str(), name, at);
        if (status == RTNORM) {
            auto ref = host::resolveEntity(name);
            if (!ref)
                continue;
            return fromStatus(status, Picked{ref->index, ucsToWorld(vec(at))});
        }
        if (status == RTERROR && host::Session::get().lastErrno() == 52)
            return fromStatus(RTNONE, Picked{});
        if (status != RTERROR)
            return fromStatus(status, Picked{});
    }
}

std::optional<db::EntityId> pickEntity(std::wstring_view prompt) {
    auto a = pickEntityAt(prompt, {});
    if (!a.isValue())
        return std::nullopt;
    return a.value.id;
}

std::optional<std::vector<db::EntityId>> selectEntities(std::wstring_view prompt) {
    input::SelectOptions options;
    options.prompt = prompt;
    host::Selection selection;
    if (input::selectObjects(options, selection) != RTNORM)
        return std::nullopt;
    return selection.members();
}

} // namespace vma::cmd
