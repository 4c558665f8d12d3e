// (command arg ...) and (vl-cmdf arg ...): the arguments go to the command
// engine as a program's answers, one a prompt. Strings are typed ("" is
// Enter, PAUSE waits for the user or the script), numbers typed, lists of two
// or three numbers are points in the UCS, entity names and selection sets are
// handed over as they are; nil arguments are left out.
#include "acedCmdNF.h"
#include "acutads.h"
#include "host/db/rblist.h"
#include "host/lisp/builtins.h"
#include "host/lisp/input_args.h"

namespace vma::lisp {

namespace {

bool isNumberList(const Value& v) {
    auto items = toVector(v);
    if (!is(v, Type::Cons) || items.size() < 2 || items.size() > 3)
        return false;
    for (const Value& item : items)
        if (!isNumber(item))
            return false;
    return true;
}

ErrorOr<resbuf*> argument(const Value& v) {
    switch (v->type) {
    case Type::Str:
        return acutBuildList(RTSTR, v->text.c_str(), 0);
    case Type::Int:
        if (v->integer >= -32768 && v->integer <= 32767)
            return acutBuildList(RTSHORT, v->integer, 0);
        return acutBuildList(RTLONG, v->integer, 0);
    case Type::Real:
        return acutBuildList(RTREAL, v->real, 0);
    case Type::Ename:
    case Type::Pickset:
        return acutBuildList(v->type == Type::Ename ? RTENAME : RTPICKS, v->name, 0);
    default:
        break;
    }
    if (!isNumberList(v))
        return badArgument("command argument", v);
    auto items = toVector(v);
    ads_point p = {numberOf(items[0]), numberOf(items[1]),
                   items.size() == 3 ? numberOf(items[2]) : 0};
    return acutBuildList(items.size() == 3 ? RT3DPOINT : RTPOINT, p, 0);
}

ErrorOr<host::RbList> arguments(const Args& a) {
    host::RbList list;
    for (const Value& v : a) {
        if (!v)
            continue;
        VMA_TRY_ASSIGN(resbuf * one, argument(v));
        list.append(one);
    }
    return list;
}

// A command that did not run to its end cancels the program, as Esc would:
// going on would build on a drawing that is not what it expects.
ErrorOr<Value> command(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(host::RbList list, arguments(a));
    if (!list.get())
        return Value{};
    if (acedCmdS(list.get()) == RTCAN)
        return cancelled();
    return Value{};
}

// As command, but nothing cancels: T when the commands ran, else nil.
ErrorOr<Value> vlCmdf(Interp&, const Args& a) {
    VMA_TRY_ASSIGN(host::RbList list, arguments(a));
    if (!list.get())
        return Value{};
    return truth(acedCmdS(list.get()) == RTNORM);
}

const Registrar registrar{
    {L"COMMAND", command},
    {L"VL-CMDF", vlCmdf},
};

} // namespace

} // namespace vma::lisp
