#include "host/cmd/prompts.h"

#include "acedads.h"
#include "host/db/session.h"
#include "host/input/select_objects.h"
#include "host/input/values.h"

#include <cstdio>
#include <fmt/format.h>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

using Getter = int (*)(const ads_point, const ACHAR*, ads_real*);

void initGet(const wchar_t* keywords, int flags) {
    acedInitGet(flags, keywords);
}

// Fills the keyword of an RTKWORD answer.
Answer finish(Answer a) {
    if (a.status != RTKWORD)
        return a;
    ACHAR buffer[512];
    if (acedGetInput(buffer, 512) == RTNORM)
        a.keyword = buffer;
    return a;
}

Answer askValue(Getter get, std::wstring_view prompt, const wchar_t* keywords,
                std::optional<Point> base, int flags) {
    initGet(keywords, flags);
    std::wstring p(prompt);
    ads_point from = {0, 0, 0};
    if (base) {
        from[0] = (*base)[0];
        from[1] = (*base)[1];
        from[2] = (*base)[2];
    }
    Answer a;
    a.status = get(base ? from : nullptr, p.c_str(), &a.value);
    return finish(std::move(a));
}

} // namespace

bool Answer::ok() const {
    return status == RTNORM;
}

bool Answer::is(std::wstring_view k) const {
    return status == RTKWORD && keyword == k;
}

Answer askPoint(std::wstring_view prompt, const wchar_t* keywords, std::optional<Point> base,
                int flags) {
    initGet(keywords, flags);
    std::wstring p(prompt);
    ads_point from = {0, 0, 0}, out = {0, 0, 0};
    if (base) {
        from[0] = (*base)[0];
        from[1] = (*base)[1];
        from[2] = (*base)[2];
    }
    Answer a;
    a.status = acedGetPoint(base ? from : nullptr, p.c_str(), out);
    a.point = {out[0], out[1], out[2]};
    return finish(std::move(a));
}

Answer askDistance(std::wstring_view prompt, const wchar_t* keywords, std::optional<Point> base,
                   int flags) {
    return askValue(acedGetDist, prompt, keywords, base, flags);
}

Answer askAngle(std::wstring_view prompt, const wchar_t* keywords, std::optional<Point> base,
                int flags) {
    return askValue(acedGetAngle, prompt, keywords, base, flags);
}

Answer askKeyword(std::wstring_view prompt, const wchar_t* keywords, int flags) {
    initGet(keywords, flags);
    std::wstring p(prompt);
    ACHAR buffer[512];
    Answer a;
    a.status = acedGetKword(p.c_str(), buffer, 512);
    if (a.status == RTNORM) {
        a.status = RTKWORD;
        a.keyword = buffer;
    }
    return a;
}

Point toWorld(const Point& ucs) {
    return input::toWorldPoint(input::currentUnits(), ucs);
}

std::wstring decimal(double v) {
    return fmt::format(L"{:.4f}", v);
}

db::Database& drawing() {
    return *host::Session::get().current().db;
}

std::optional<host::Selection> askObjects() {
    host::Selection selection;
    if (input::selectObjects({}, selection) != RTNORM || selection.empty())
        return std::nullopt;
    return selection;
}

} // namespace vma::cmd
