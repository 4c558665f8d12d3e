// Pointer events, temporary graphics and screen requests of the ADS interface.
#include "acedads.h"
#include "host/db/ename.h"
#include "host/input/engine.h"
#include "host/input/prompt.h"
#include "host/input/values.h"

using namespace vma::input;

namespace {

void setPoint(resbuf* out, const Point& p) {
    out->restype = RT3DPOINT;
    out->resval.rpoint[0] = p[0];
    out->resval.rpoint[1] = p[1];
    out->resval.rpoint[2] = p[2];
}

void setKey(resbuf* out, int key) {
    out->restype = RTSHORT;
    out->resval.rint = static_cast<short>(key);
}

// Typed text reaches acedGrRead a character at a time, then Enter.
void queueKeys(const std::wstring& text) {
    Engine& engine = Engine::get();
    engine.pushBack(InputEvent::keyPress('\r'));
    for (auto c = text.rbegin(); c != text.rend(); ++c)
        engine.pushBack(InputEvent::keyPress(static_cast<int>(*c)));
}

Point transformed(const Point& p, const ads_matrix m) {
    if (!m)
        return p;
    Point out{};
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2] + m[i][3];
    return out;
}

} // namespace

int acedGrRead(int track, int* type, resbuf* result) {
    if (!type || !result)
        return RTERROR;
    Request request;
    request.pointer = true;
    for (;;) {
        auto event = Engine::get().next(request);
        if (!event || event->kind == InputEvent::Kind::Cancel)
            return RTCAN;
        switch (event->kind) {
        case InputEvent::Kind::Move:
            if (!track)
                continue;
            *type = 5;
            setPoint(result, toUcs(currentUnits(), event->point));
            return RTNORM;
        case InputEvent::Kind::Pick:
            *type = 3;
            setPoint(result, toUcs(currentUnits(), event->point));
            return RTNORM;
        case InputEvent::Kind::Key:
            *type = 2;
            setKey(result, event->key);
            return RTNORM;
        default:
            queueKeys(event->text);
            continue;
        }
    }
}

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl) {
    if (!from || !to)
        return RTERROR;
    Engine::get().graphics().vectors.push_back(
        {{from[0], from[1], from[2]}, {to[0], to[1], to[2]}, color, hl != 0});
    return RTNORM;
}

int acedGrVecs(const resbuf* vlist, ads_matrix mat) {
    std::vector<TempVector> found;
    int color = 7;
    std::optional<Point> open;
    for (const resbuf* rb = vlist; rb; rb = rb->rbnext) {
        if (rb->restype == RTSHORT) {
            color = rb->resval.rint;
            continue;
        }
        if (rb->restype != RTPOINT && rb->restype != RT3DPOINT)
            return RTERROR;
        Point p{rb->resval.rpoint[0], rb->resval.rpoint[1],
                rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0};
        p = transformed(p, mat);
        if (!open) {
            open = p;
            continue;
        }
        found.push_back({*open, p, color, false});
        open.reset();
    }
    if (open)
        return RTERROR;
    auto& vectors = Engine::get().graphics().vectors;
    vectors.insert(vectors.end(), found.begin(), found.end());
    return RTNORM;
}

int acedGrText(int box, const ACHAR* text, int) {
    Engine::get().graphics().texts.push_back(std::to_wstring(box) + L":" + (text ? text : L""));
    return RTNORM;
}

int acedRedraw(const ads_name ent, int) {
    if (ent && !vma::host::resolveEntity(ent))
        return RTERROR;
    if (!ent)
        Engine::get().graphics().vectors.clear();
    return RTNORM;
}

int acedUsrBrk(void) {
    return Engine::get().takeBreak() ? 1 : 0;
}

int acedMenuCmd(const ACHAR* str) {
    Engine::get().graphics().menuRequests.emplace_back(str ? str : L"");
    return RTNORM;
}

int acedTextScr(void) {
    Engine::get().graphics().textScreen = true;
    return RTNORM;
}

int acedGraphScr(void) {
    Engine::get().graphics().textScreen = false;
    return RTNORM;
}
