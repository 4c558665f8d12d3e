// The user-input functions: initget and the get... family, entsel and
// nentsel, grread. Each is a thin layer over the ADS call of the same name,
// so prompts, re-prompts and keywords are those of the input engine; here the
// status becomes a value: nil for Enter, the keyword text for RTKWORD, and a
// cancelled evaluation for Esc.
#include "acedads.h"
#include "host/db/rblist.h"
#include "host/lisp/builtins.h"
#include "host/lisp/convert.h"
#include "host/lisp/input_args.h"

#include <array>
#include <cwchar>

namespace vma::lisp {

namespace {

// What the get function gives back when the status is not RTNORM.
ErrorOr<Value> otherwise(int status) {
    if (status == RTCAN)
        return cancelled();
    if (status != RTKWORD)
        return Value{};
    std::array<ACHAR, 4096> keyword{};
    if (acedGetInput(keyword.data(), keyword.size()) != RTNORM)
        return Value{};
    return makeStr(keyword.data());
}

Value point3(const ads_point p) {
    return point({p[0], p[1], p[2]});
}

ErrorOr<Value> initget(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    int bits = 0;
    std::wstring keywords;
    for (size_t i = 0; i < a.size(); ++i) {
        if (is(a[i], Type::Int) && i == 0) {
            bits = a[i]->integer;
            continue;
        }
        if (!a[i])
            continue;
        VMA_TRY_ASSIGN(keywords, stringArg(a[i]));
    }
    acedInitGet(bits, keywords.empty() ? nullptr : keywords.c_str());
    return Value{};
}

using PointCall = int (*)(const ads_point, const ACHAR*, ads_point);

ErrorOr<Value> askPoint(const Args& a, PointCall call, bool needBase) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, true));
    if (needBase && !p.hasBase)
        return tooFew();
    ads_point out = {0, 0, 0};
    int status = call(p.hasBase ? p.base : nullptr, p.text(), out);
    return status == RTNORM ? ErrorOr<Value>(point3(out)) : otherwise(status);
}

ErrorOr<Value> getpoint(Interp&, const Args& a) {
    return askPoint(a, acedGetPoint, false);
}

ErrorOr<Value> getcorner(Interp&, const Args& a) {
    return askPoint(a, acedGetCorner, true);
}

using RealCall = int (*)(const ads_point, const ACHAR*, ads_real*);

ErrorOr<Value> askReal(const Args& a, RealCall call) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, true));
    ads_real out = 0;
    int status = call(p.hasBase ? p.base : nullptr, p.text(), &out);
    return status == RTNORM ? ErrorOr<Value>(makeReal(out)) : otherwise(status);
}

ErrorOr<Value> getdist(Interp&, const Args& a) {
    return askReal(a, acedGetDist);
}

ErrorOr<Value> getangle(Interp&, const Args& a) {
    return askReal(a, acedGetAngle);
}

ErrorOr<Value> getorient(Interp&, const Args& a) {
    return askReal(a, acedGetOrient);
}

ErrorOr<Value> getint(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, false));
    int out = 0;
    int status = acedGetInt(p.text(), &out);
    return status == RTNORM ? ErrorOr<Value>(makeInt(out)) : otherwise(status);
}

ErrorOr<Value> getreal(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, false));
    ads_real out = 0;
    int status = acedGetReal(p.text(), &out);
    return status == RTNORM ? ErrorOr<Value>(makeReal(out)) : otherwise(status);
}

// (getstring [cr] [msg]): a lone string is the message, anything else the flag.
ErrorOr<Value> getstring(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    bool lone = a.size() == 1 && is(a[0], Type::Str);
    bool crOnly = !a.empty() && !lone && a[0] != nullptr;
    std::wstring message;
    if (lone || (a.size() == 2 && is(a[1], Type::Str)))
        message = a.back()->text;
    else if (a.size() == 2 && a[1])
        return badArgument("stringp", a[1]);
    std::wstring out(4096, L'\0');
    int status =
        acedGetString(crOnly, message.empty() ? nullptr : message.c_str(), out.data(), out.size());
    if (status != RTNORM && status != RTINPUTTRUNCATED)
        return otherwise(status);
    out.resize(std::wcslen(out.c_str()));
    return makeStr(std::move(out));
}

ErrorOr<Value> getkword(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, false));
    std::array<ACHAR, 4096> out{};
    int status = acedGetKword(p.text(), out.data(), out.size());
    return status == RTNORM ? ErrorOr<Value>(makeStr(out.data())) : otherwise(status);
}

// (ename point) of a selection, the keyword, or nil when nothing was picked.
ErrorOr<Value> selected(int status, const ads_name name, const ads_point where) {
    if (status != RTNORM)
        return otherwise(status);
    return fromVector({makeName(Type::Ename, name), point3(where)});
}

ErrorOr<Value> entsel(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, false));
    ads_name name = {0, 0};
    ads_point where = {0, 0, 0};
    return selected(acedEntSel(p.text(), name, where), name, where);
}

ErrorOr<Value> nentsel(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, false));
    ads_name name = {0, 0};
    ads_point where = {0, 0, 0};
    return selected(acedNEntSelP(p.text(), name, where, 0, nullptr, nullptr), name, where);
}

// (nentselp [msg] [pt]): with a point nobody is asked.
ErrorOr<Value> nentselp(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(PromptArgs p, promptArgs(a, true));
    ads_name name = {0, 0};
    ads_point where = {p.base[0], p.base[1], p.base[2]};
    int status = acedNEntSelP(p.text(), name, where, p.hasBase ? 1 : 0, nullptr, nullptr);
    return selected(status, name, where);
}

// (grread [track] [allkeys [curtype]]): (2 char), (3 point) or (5 point).
ErrorOr<Value> grread(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 3));
    int track = !a.empty() && a[0] ? 1 : 0;
    for (size_t i = 1; i < a.size(); ++i)
        VMA_TRY(intArg(a[i]));
    int type = 0;
    resbuf result{};
    int status = acedGrRead(track, &type, &result);
    if (status != RTNORM)
        return otherwise(status);
    return fromVector({makeInt(type), fromResbufs(&result, false)});
}

const Registrar registrar{
    {L"INITGET", initget},   {L"GETPOINT", getpoint}, {L"GETCORNER", getcorner},
    {L"GETDIST", getdist},   {L"GETANGLE", getangle}, {L"GETORIENT", getorient},
    {L"GETINT", getint},     {L"GETREAL", getreal},   {L"GETSTRING", getstring},
    {L"GETKWORD", getkword}, {L"ENTSEL", entsel},     {L"NENTSEL", nentsel},
    {L"NENTSELP", nentselp}, {L"GRREAD", grread},
};

} // namespace

} // namespace vma::lisp
