// The ADS input functions over the input engine.
#include "acedads.h"
#include "host/base/text.h"
#include "host/db/ename.h"
#include "host/db/session.h"
#include "host/input/engine.h"
#include "host/input/osnap.h"
#include "host/input/pick.h"
#include "host/input/point_reader.h"
#include "host/input/shapes.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <cwchar>

using namespace vma;
using namespace vma::input;

namespace {

std::wstring_view text(const ACHAR* s) {
    return s ? std::wstring_view(s) : std::wstring_view();
}

Ask asking(const ACHAR* prompt) {
    return {text(prompt), Engine::get().takeInitGet(), {}, false};
}

bool withKeywords(const Ask& a) {
    return !a.init.keywords.empty();
}

std::optional<Point> basePoint(const ads_point pt) {
    if (!pt)
        return std::nullopt;
    return Point{pt[0], pt[1], pt[2]};
}

void store(const Point& p, ads_point out) {
    out[0] = p[0];
    out[1] = p[1];
    out[2] = p[2];
}

// The complaint for a number against the sign and zero bits; empty when it passes.
std::wstring signCheck(const InitGet& init, double v) {
    bool zero = init.has(RSG_NOZERO), negative = init.has(RSG_NONEG);
    if (zero && negative && v <= 0)
        return L"Value must be positive and nonzero.";
    if (zero && v == 0)
        return L"Value must be nonzero.";
    if (negative && v < 0)
        return L"Value must be positive.";
    return {};
}

int copyOut(std::wstring_view value, ACHAR* out, size_t len) {
    if (!out || len == 0)
        return RTERROR;
    size_t n = std::min(value.size(), len - 1);
    std::wmemcpy(out, value.data(), n);
    out[n] = 0;
    return n < value.size() ? RTINPUTTRUNCATED : RTNORM;
}

int pointPrompt(const ads_point pt, const ACHAR* prompt, ads_point result, bool needBase) {
    if (!result || (needBase && !pt))
        return RTERROR;
    Ask a = asking(prompt);
    PointReader reader(a.init, basePoint(pt));
    std::wstring complaint =
        withKeywords(a) ? L"Point or option keyword required." : L"Invalid point.";
    int status = ask(a, [&](const InputEvent& e) { return reader.read(e, complaint); });
    if (status == RTNORM)
        store(reader.value(), result);
    return status;
}

double between(const Point& a, const Point& b, bool flat) {
    double dz = flat ? 0 : b[2] - a[2];
    return std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]) + dz * dz);
}

// The second point of a distance or angle given by two points.
std::optional<Point> secondPoint(const Point& first) {
    ads_point base = {first[0], first[1], first[2]};
    ads_point out;
    if (pointPrompt(base, L"Specify second point: ", out, true) != RTNORM)
        return std::nullopt;
    return Point{out[0], out[1], out[2]};
}

// Distances and angles: a typed value or points; measure turns two UCS points into the value.
int measured(const ads_point pt, const ACHAR* prompt, ads_real* result,
             const std::pair<const wchar_t*, const wchar_t*>& complaints,
             const std::function<std::optional<double>(std::wstring_view, const Units&)>& typed,
             const std::function<double(const Point&, const Point&, const InitGet&)>& measure,
             bool checkSign) {
    if (!result)
        return RTERROR;
    Ask a = asking(prompt);
    PointReader reader(a.init, basePoint(pt));
    std::wstring complaint = withKeywords(a) ? complaints.second : complaints.first;
    double value = 0;
    int status = ask(a, [&](const InputEvent& e) {
        if (e.kind == InputEvent::Kind::Text) {
            if (auto v = typed(e.text, reader.units())) {
                if (auto c = checkSign ? signCheck(a.init, *v) : std::wstring(); !c.empty())
                    return Reply::retry(c);
                value = *v;
                return Reply::done(RTNORM);
            }
        }
        Reply r = reader.read(e, complaint);
        if (r.status != RTNORM)
            return r;
        Point first = pt ? Point{pt[0], pt[1], pt[2]} : reader.value();
        std::optional<Point> second = reader.value();
        if (!pt)
            second = secondPoint(first);
        if (!second)
            return Reply::done(RTCAN);
        value = measure(first, *second, a.init);
        if (auto c = checkSign ? signCheck(a.init, value) : std::wstring(); !c.empty())
            return Reply::retry(c);
        return Reply::done(RTNORM);
    });
    if (status == RTNORM)
        *result = value;
    return status;
}

int angular(const ads_point pt, const ACHAR* prompt, ads_real* result, bool fromBase) {
    Units units = currentUnits();
    double base = fromBase ? units.angbase : 0;
    return measured(
        pt, prompt, result,
        {L"Requires numeric angle or second point.",
         L"Requires an angle, two points, or option keyword."},
        [base](std::wstring_view t, const Units& u) -> std::optional<double> {
            auto d = parseDirection(t, u);
            return d ? std::optional<double>(normalizeAngle(*d - base)) : std::nullopt;
        },
        [base](const Point& a, const Point& b, const InitGet&) {
            return normalizeAngle(std::atan2(b[1] - a[1], b[0] - a[0]) - base);
        },
        false);
}

} // namespace

int acedInitGet(int val, const ACHAR* kwl) {
    Engine::get().setInitGet(parseInitGet(val, text(kwl)));
    return RTNORM;
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
    return pointPrompt(pt, prompt, result, false);
}

int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result) {
    return pointPrompt(pt, prompt, result, true);
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    return measured(
        pt, prompt, result,
        {L"Requires numeric distance or two points.",
         L"Requires a distance, two points, or option keyword."},
        [](std::wstring_view t, const Units&) { return parseReal(t); },
        [](const Point& a, const Point& b, const InitGet& init) {
            return between(a, b, init.has(RSG_2D));
        },
        true);
}

int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    return angular(pt, prompt, result, true);
}

int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    return angular(pt, prompt, result, false);
}

int acedGetInt(const ACHAR* prompt, int* result) {
    if (!result)
        return RTERROR;
    Ask a = asking(prompt);
    std::wstring complaint = withKeywords(a) ? L"Requires an integer value or option keyword."
                                             : L"Requires an integer value.";
    int value = 0;
    int status = ask(a, [&](const InputEvent& e) {
        auto v = e.kind == InputEvent::Kind::Text ? parseInteger(e.text) : std::nullopt;
        if (!v)
            return Reply::retry(complaint);
        if (*v < -32768 || *v > 32767)
            return Reply::retry(L"Requires an integer between -32768 and 32767.");
        if (auto c = signCheck(a.init, static_cast<double>(*v)); !c.empty())
            return Reply::retry(c);
        value = static_cast<int>(*v);
        return Reply::done(RTNORM);
    });
    if (status == RTNORM)
        *result = value;
    return status;
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    if (!result)
        return RTERROR;
    Ask a = asking(prompt);
    std::wstring complaint =
        withKeywords(a) ? L"Requires a real value or option keyword." : L"Requires a real value.";
    double value = 0;
    int status = ask(a, [&](const InputEvent& e) {
        auto v = e.kind == InputEvent::Kind::Text ? parseReal(e.text) : std::nullopt;
        if (!v)
            return Reply::retry(complaint);
        if (auto c = signCheck(a.init, *v); !c.empty())
            return Reply::retry(c);
        value = *v;
        return Reply::done(RTNORM);
    });
    if (status == RTNORM)
        *result = value;
    return status;
}

int acedGetString(int crOnly, const ACHAR* prompt, ACHAR* result, size_t len) {
    if (!result || len == 0)
        return RTERROR;
    Ask a = asking(prompt);
    a.init.keywords.clear();
    a.init.flags &= ~RSG_NONULL;
    a.request.blanks = crOnly != 0;
    a.enterIsValue = true;
    std::wstring value;
    int status = ask(a, [&](const InputEvent& e) {
        if (e.kind != InputEvent::Kind::Text)
            return Reply::retry({});
        value = e.text;
        return Reply::done(RTNORM);
    });
    if (status != RTNORM) {
        result[0] = 0;
        return status;
    }
    return copyOut(value, result, len);
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t len) {
    if (!result || len == 0)
        return RTERROR;
    Ask a = asking(prompt);
    result[0] = 0;
    int status = ask(a, [](const InputEvent&) { return Reply::retry(L"Invalid option keyword."); });
    if (status != RTKWORD)
        return status;
    int copied = copyOut(vma::host::Session::get().lastInput(), result, len);
    return copied == RTNORM ? RTNORM : copied;
}

int acedGetInput(ACHAR* str, size_t len) {
    const std::wstring& last = vma::host::Session::get().lastInput();
    if (last.empty())
        return RTERROR;
    return copyOut(last, str, len);
}

namespace {

// A point on a given entity, for the point acedEntSel reports with it.
Point pointOn(db::EntityId id) {
    Shape shape = shapeOf(*vma::host::Session::get().current().db, id);
    for (const auto* points : {&shape.ends, &shape.centres, &shape.inserts, &shape.nodes})
        if (!points->empty())
            return toUcs(currentUnits(), points->front());
    return {};
}

// Reads a point for object selection; RTNORM with the world point (or the
// entity a program gave), or another status.
int selectionPoint(const ACHAR* prompt, Point& world, Point& ucs,
                   std::optional<db::EntityId>& given) {
    Ask a = asking(prompt ? prompt : L"Select object: ");
    a.init.flags |= RSG_NOOSNAP;
    PointReader reader(a.init, std::nullopt);
    int status = ask(a, [&](const InputEvent& e) {
        if (e.kind == InputEvent::Kind::Entity) {
            given = givenEntity(e.name);
            return given ? Reply::done(RTNORM) : Reply::retry(L"Invalid point.");
        }
        return reader.read(e, L"Invalid point.");
    });
    if (status == RTNONE) {
        vma::host::Session::get().lastErrno() = 52;
        return RTERROR;
    }
    world = given ? Point{} : reader.world();
    ucs = given ? pointOn(*given) : reader.value();
    return status;
}

} // namespace

int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres) {
    if (!entres || !ptres)
        return RTERROR;
    Point world{}, ucs{};
    std::optional<db::EntityId> id;
    int status = selectionPoint(str, world, ucs, id);
    if (status != RTNORM)
        return status;
    auto& session = vma::host::Session::get();
    if (!id && session.hasDocument())
        id = entityAt(*session.current().db, world, pickRadius());
    if (!id) {
        session.lastErrno() = 7;
        return RTERROR;
    }
    vma::host::entityName(*session.current().db, *id, entres);
    store(ucs, ptres);
    return RTNORM;
}

int acedNEntSelP(const ACHAR* str, ads_name entres, ads_point ptres, int pickflag,
                 ads_matrix xformres, resbuf** refstkres) {
    if (!entres || !ptres)
        return RTERROR;
    Point world{}, ucs{ptres[0], ptres[1], ptres[2]};
    std::optional<db::EntityId> id;
    if (pickflag) {
        world = toWorldPoint(currentUnits(), ucs);
    } else if (int status = selectionPoint(str, world, ucs, id); status != RTNORM) {
        return status;
    }
    auto& session = vma::host::Session::get();
    if (!id && session.hasDocument())
        id = entityAt(*session.current().db, world, pickRadius());
    if (!id) {
        session.lastErrno() = 7;
        return RTERROR;
    }
    vma::host::entityName(*session.current().db, *id, entres);
    store(ucs, ptres);
    if (xformres)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                xformres[i][j] = i == j ? 1 : 0;
    if (refstkres)
        *refstkres = nullptr;
    return RTNORM;
}

int acedOsnap(const ads_point pt, const ACHAR* mode, ads_point result) {
    if (!pt || !result || !mode)
        return RTERROR;
    auto modes = parseSnapModes(mode);
    auto& session = vma::host::Session::get();
    if (!modes || *modes == 0 || !session.hasDocument())
        return RTERROR;
    Units units = currentUnits();
    auto v = vma::host::getSysvar(session, "APERTURE");
    double aperture = (v.ok() ? static_cast<double>(v->integer) : 10) * pixelSize();
    auto hit = snapPoint(*session.current().db, toWorldPoint(units, {pt[0], pt[1], pt[2]}),
                         aperture, *modes, Engine::get().lastPoint());
    if (!hit)
        return RTERROR;
    store(toUcs(units, *hit), result);
    return RTNORM;
}

int acedPrompt(const ACHAR* str) {
    say(text(str));
    return RTNORM;
}
