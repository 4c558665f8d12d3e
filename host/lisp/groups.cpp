// Entity lists: the flat group chain of acdbEntGet as AutoLISP's list of
// dotted pairs, points as (code x y z), extended data under -3 as one list
// per application; and back for entmake, entmod and selection filters.
#include "acutads.h"
#include "adscodes.h"
#include "host/base/text.h"
#include "host/lisp/convert.h"
#include "host/lisp/interp.h"

namespace vma::lisp {

namespace {

using host::RbKind;

Value groupValue(const resbuf& rb) {
    switch (host::rbKind(rb.restype)) {
    case RbKind::Real:
        return makeReal(rb.resval.rreal);
    case RbKind::Point:
        return fromVector({makeReal(rb.resval.rpoint[0]), makeReal(rb.resval.rpoint[1]),
                           makeReal(rb.resval.rpoint[2])});
    case RbKind::Short:
        return makeInt(rb.resval.rint);
    case RbKind::Long:
        return makeInt(rb.resval.rlong);
    case RbKind::Int64:
        return makeReal(static_cast<double>(rb.resval.mnInt64));
    case RbKind::Text:
        return makeStr(rb.resval.rstring ? rb.resval.rstring : L"");
    case RbKind::Name:
        return makeName(Type::Ename, rb.resval.rlname);
    default:
        return nullptr;
    }
}

Value pair(const resbuf& rb) {
    return cons(makeInt(rb.restype), groupValue(rb));
}

// The -3 group's list: one ("APP" pairs...) per 1001 group that follows.
Value xdataList(const resbuf* rb) {
    std::vector<Value> apps;
    std::vector<Value> current;
    std::wstring app;
    auto flush = [&] {
        if (!app.empty())
            apps.push_back(cons(makeStr(app), fromVector(current)));
        current.clear();
    };
    for (; rb; rb = rb->rbnext) {
        if (rb->restype == 1001) {
            flush();
            app = rb->resval.rstring ? rb->resval.rstring : L"";
            continue;
        }
        current.push_back(pair(*rb));
    }
    flush();
    return cons(makeInt(-3), fromVector(apps));
}

ErrorOr<void> appendGroup(host::RbList& out, int code, const Value& value) {
    RbKind kind = host::rbKind(code);
    resbuf* rb = out.appendNew(code);
    if (!rb)
        return Error{"out of memory"};
    switch (kind) {
    case RbKind::Real:
        if (!isNumber(value))
            return badArgument("numberp", value);
        rb->resval.rreal = numberOf(value);
        return {};
    case RbKind::Point: {
        auto items = toVector(value);
        if (items.size() < 2 || items.size() > 3)
            return badArgument("point", value);
        for (size_t i = 0; i < items.size(); ++i) {
            if (!isNumber(items[i]))
                return badArgument("numberp", items[i]);
            rb->resval.rpoint[i] = numberOf(items[i]);
        }
        return {};
    }
    case RbKind::Short:
    case RbKind::Long:
    case RbKind::Int64:
        if (!is(value, Type::Int))
            return badArgument("fixnump", value);
        if (kind == RbKind::Short)
            rb->resval.rint = static_cast<short>(value->integer);
        else if (kind == RbKind::Long)
            rb->resval.rlong = value->integer;
        else
            rb->resval.mnInt64 = value->integer;
        return {};
    case RbKind::Text:
        if (!is(value, Type::Str))
            return badArgument("stringp", value);
        rb->resval.rstring = mallocWide(value->text);
        return {};
    case RbKind::Name:
        if (!is(value, Type::Ename))
            return badArgument("lentityp", value);
        rb->resval.rlname[0] = value->name[0];
        rb->resval.rlname[1] = value->name[1];
        return {};
    default:
        return badArgument("dxf group", makeInt(code));
    }
}

ErrorOr<void> appendXdata(host::RbList& out, const Value& apps) {
    out.appendNew(-3);
    for (const Value& app : toVector(apps)) {
        if (!is(app, Type::Cons) || !is(app->car, Type::Str))
            return badArgument("consp", app);
        resbuf* name = out.appendNew(1001);
        if (!name)
            return Error{"out of memory"};
        name->resval.rstring = mallocWide(app->car->text);
        for (const Value& group : toVector(app->cdr)) {
            if (!is(group, Type::Cons) || !is(group->car, Type::Int))
                return badArgument("consp", group);
            VMA_TRY(appendGroup(out, group->car->integer, group->cdr));
        }
    }
    return {};
}

} // namespace

Value fromGroups(const resbuf* chain) {
    std::vector<Value> items;
    for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
        if (rb->restype == -3) {
            items.push_back(xdataList(rb->rbnext));
            break;
        }
        items.push_back(pair(*rb));
    }
    return fromVector(items);
}

ErrorOr<host::RbList> toGroups(const Value& list) {
    host::RbList out;
    for (const Value& group : toVector(list)) {
        if (!is(group, Type::Cons) || !is(group->car, Type::Int))
            return badArgument("consp", group);
        int code = group->car->integer;
        if (code == -3) {
            VMA_TRY(appendXdata(out, group->cdr));
            continue;
        }
        VMA_TRY(appendGroup(out, code, group->cdr));
    }
    return out;
}

} // namespace vma::lisp
