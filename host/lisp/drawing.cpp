// Entity, table and selection-set functions: thin wrappers over the ADS calls,
// with entity lists converted to and from dotted pairs.
#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "host/base/text.h"
#include "host/lisp/builtins.h"
#include "host/lisp/convert.h"
#include "host/lisp/input_args.h"

namespace vma::lisp {

namespace {

ErrorOr<Value> nameArg(const Value& v, Type type) {
    if (!is(v, type))
        return badArgument(type == Type::Ename ? "lentityp" : "lselsetp", v);
    return v;
}

Value ename(const ads_name name) {
    return makeName(Type::Ename, name);
}

// A chain made by the ADS call, as an entity list (nil when none).
Value takeGroups(resbuf* chain) {
    host::RbList owned(chain);
    return fromGroups(owned.get());
}

ErrorOr<Value> entget(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY(nameArg(a[0], Type::Ename));
    if (a.size() == 1)
        return takeGroups(acdbEntGet(a[0]->name));
    host::RbList apps = toResbufs(a[1]);
    resbuf* first = apps.get() && apps.get()->restype == RTLB ? apps.get()->rbnext : apps.get();
    host::RbList strings;
    for (const resbuf* rb = first; rb; rb = rb->rbnext) {
        if (rb->restype != RTSTR)
            continue;
        strings.appendNew(RTSTR)->resval.rstring = mallocWide(rb->resval.rstring);
    }
    return takeGroups(acdbEntGetX(a[0]->name, strings.get()));
}

ErrorOr<Value> entmake(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 1));
    if (a.empty() || !a[0])
        return Value{};
    VMA_TRY_ASSIGN(host::RbList list, toGroups(a[0]));
    int status = acdbEntMake(list.get());
    return status == RTNORM || status == RTKWORD ? a[0] : nullptr;
}

ErrorOr<Value> entmakex(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 1));
    if (a.empty() || !a[0])
        return Value{};
    VMA_TRY_ASSIGN(host::RbList list, toGroups(a[0]));
    ads_name made = {0, 0};
    int status = acdbEntMakeX(list.get(), made);
    if ((status != RTNORM && status != RTKWORD) || ads_name_nil(made))
        return Value{};
    return ename(made);
}

ErrorOr<Value> entmod(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(host::RbList list, toGroups(a[0]));
    return acdbEntMod(list.get()) == RTNORM ? a[0] : nullptr;
}

ErrorOr<Value> entupd(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(nameArg(a[0], Type::Ename));
    return acdbEntUpd(a[0]->name) == RTNORM ? a[0] : nullptr;
}

ErrorOr<Value> entnext(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 1));
    ads_name next;
    int status = RTERROR;
    if (a.empty() || !a[0]) {
        status = acdbEntNext(nullptr, next);
    } else {
        VMA_TRY(nameArg(a[0], Type::Ename));
        status = acdbEntNext(a[0]->name, next);
    }
    return status == RTNORM ? ename(next) : nullptr;
}

ErrorOr<Value> entlast(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 0));
    ads_name last;
    return acdbEntLast(last) == RTNORM ? ename(last) : nullptr;
}

ErrorOr<Value> entdel(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(nameArg(a[0], Type::Ename));
    return acdbEntDel(a[0]->name) == RTNORM ? a[0] : nullptr;
}

ErrorOr<Value> handent(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring handle, stringArg(a[0]));
    ads_name found;
    return acdbHandEnt(handle.c_str(), found) == RTNORM ? ename(found) : nullptr;
}

// (ssget [mode] [pt1 [pt2]] [filter]): the filter is the last argument when it is a
// list of pairs. Without a mode the user selects; Esc there cancels the program.
ErrorOr<Value> ssget(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 4));
    size_t i = 0;
    std::wstring mode;
    if (i < a.size() && is(a[i], Type::Str))
        mode = a[i++]->text;
    ads_point points[2] = {{0, 0, 0}, {0, 0, 0}};
    size_t count = 0;
    while (i < a.size() && count < 2 && is(a[i], Type::Cons) && isNumber(a[i]->car)) {
        VMA_TRY_ASSIGN(auto xyz, pointArg(a[i]));
        for (size_t k = 0; k < xyz.size(); ++k)
            points[count][k] = xyz[k];
        ++count;
        ++i;
    }
    host::RbList filter;
    if (i < a.size()) {
        VMA_TRY_ASSIGN(filter, toGroups(a[i]));
        ++i;
    }
    if (i < a.size())
        return tooMany();
    ads_name ss;
    int status = acedSSGet(mode.empty() ? nullptr : mode.c_str(), count > 0 ? points[0] : nullptr,
                           count > 1 ? points[1] : nullptr, filter.get(), ss);
    if (status == RTCAN)
        return cancelled();
    return status == RTNORM ? makeName(Type::Pickset, ss) : nullptr;
}

ErrorOr<Value> sslength(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY(nameArg(a[0], Type::Pickset));
    Int32 n = 0;
    if (acedSSLength(a[0]->name, &n) != RTNORM)
        return badArgument("lselsetp", a[0]);
    return makeInt(n);
}

ErrorOr<Value> ssname(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY(nameArg(a[0], Type::Pickset));
    VMA_TRY_ASSIGN(int32_t i, intArg(a[1]));
    ads_name found;
    return acedSSName(a[0]->name, i, found) == RTNORM ? ename(found) : nullptr;
}

ErrorOr<Value> ssadd(Interp&, const Args& a) {
    VMA_TRY(arity(a, 0, 2));
    ads_name result;
    if (a.empty())
        return acedSSAdd(nullptr, nullptr, result) == RTNORM ? makeName(Type::Pickset, result)
                                                             : nullptr;
    VMA_TRY(nameArg(a[0], Type::Ename));
    if (a.size() == 1)
        return acedSSAdd(a[0]->name, nullptr, result) == RTNORM ? makeName(Type::Pickset, result)
                                                                : nullptr;
    VMA_TRY(nameArg(a[1], Type::Pickset));
    return acedSSAdd(a[0]->name, a[1]->name, result) == RTNORM ? a[1] : nullptr;
}

ErrorOr<Value> ssdel(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY(nameArg(a[0], Type::Ename));
    VMA_TRY(nameArg(a[1], Type::Pickset));
    return acedSSDel(a[0]->name, a[1]->name) == RTNORM ? a[1] : nullptr;
}

ErrorOr<Value> ssmemb(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY(nameArg(a[0], Type::Ename));
    VMA_TRY(nameArg(a[1], Type::Pickset));
    return acedSSMemb(a[0]->name, a[1]->name) == RTNORM ? a[0] : nullptr;
}

ErrorOr<Value> tblsearch(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 3));
    VMA_TRY_ASSIGN(std::wstring table, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[1]));
    bool setNext = a.size() == 3 && a[2];
    return takeGroups(acdbTblSearch(table.c_str(), name.c_str(), setNext ? 1 : 0));
}

ErrorOr<Value> tblnext(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 2));
    VMA_TRY_ASSIGN(std::wstring table, stringArg(a[0]));
    bool rewind = a.size() == 2 && a[1];
    return takeGroups(acdbTblNext(table.c_str(), rewind ? 1 : 0));
}

ErrorOr<Value> tblobjname(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(std::wstring table, stringArg(a[0]));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[1]));
    ads_name found;
    return acdbTblObjName(table.c_str(), name.c_str(), found) == RTNORM ? ename(found) : nullptr;
}

ErrorOr<Value> regapp(Interp&, const Args& a) {
    VMA_TRY(arity(a, 1, 1));
    VMA_TRY_ASSIGN(std::wstring name, stringArg(a[0]));
    return acdbRegApp(name.c_str()) == RTNORM ? a[0] : nullptr;
}

const Registrar registrar{
    {L"ENTGET", entget},       {L"ENTMAKE", entmake},   {L"ENTMAKEX", entmakex},
    {L"ENTMOD", entmod},       {L"ENTUPD", entupd},     {L"ENTNEXT", entnext},
    {L"ENTLAST", entlast},     {L"ENTDEL", entdel},     {L"HANDENT", handent},
    {L"SSGET", ssget},         {L"SSLENGTH", sslength}, {L"SSNAME", ssname},
    {L"SSADD", ssadd},         {L"SSDEL", ssdel},       {L"SSMEMB", ssmemb},
    {L"TBLSEARCH", tblsearch}, {L"TBLNEXT", tblnext},   {L"TBLOBJNAME", tblobjname},
    {L"REGAPP", regapp},
};

} // namespace

} // namespace vma::lisp
