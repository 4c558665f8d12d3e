// acedCmdS and acedCommandS: result buffers and argument lists turned into
// answers for the command engine.
#include "acedCmdNF.h"
#include "host/cmd/command_list.h"

#include <cstdarg>
#include <fmt/format.h>
#include <fmt/xchar.h>
#include <optional>

using vma::cmd::Argument;
using vma::input::InputEvent;

namespace {

// Reals as typed with every digit kept, so the command reads back the same double.
std::wstring number(double v) {
    return fmt::format(L"{}", v);
}

Argument typed(std::wstring text) {
    return Argument::answer(InputEvent::typed(std::move(text)));
}

Argument fromText(const ACHAR* text) {
    std::wstring_view t = text ? text : L"";
    if (t == L"\\")
        return Argument::userPause();
    return typed(std::wstring(t));
}

Argument fromPoint(const ads_real* p, bool threeD) {
    std::wstring text = number(p[0]) + L"," + number(p[1]);
    if (threeD)
        text += L"," + number(p[2]);
    return typed(std::move(text));
}

// An angle in radians, typed with the suffix every angle unit setting reads.
Argument fromAngle(double radians) {
    return typed(number(radians) + L"r");
}

Argument fromName(const int64_t* name, bool set) {
    InputEvent::Name n{name[0], name[1]};
    return Argument::answer(set ? InputEvent::selection(n) : InputEvent::entity(n));
}

std::optional<Argument> fromResbuf(const resbuf& rb) {
    switch (rb.restype) {
    case RTSTR:
        return fromText(rb.resval.rstring);
    case RTSHORT:
        return typed(std::to_wstring(rb.resval.rint));
    case RTLONG:
        return typed(std::to_wstring(rb.resval.rlong));
    case RTREAL:
        return typed(number(rb.resval.rreal));
    case RTANG:
        return fromAngle(rb.resval.rreal);
    case RTPOINT:
    case RT3DPOINT:
        return fromPoint(rb.resval.rpoint, rb.restype == RT3DPOINT);
    case RTENAME:
    case RTPICKS:
        return fromName(rb.resval.rlname, rb.restype == RTPICKS);
    default:
        return std::nullopt;
    }
}

std::optional<Argument> fromVarArg(int type, va_list& ap) {
    switch (type) {
    case RTSTR:
        return fromText(va_arg(ap, const ACHAR*));
    case RTSHORT:
    case RTLONG:
        return typed(std::to_wstring(va_arg(ap, int)));
    case RTREAL:
        return typed(number(va_arg(ap, double)));
    case RTANG:
        return fromAngle(va_arg(ap, double));
    case RTPOINT:
    case RT3DPOINT:
        return fromPoint(va_arg(ap, const ads_real*), type == RT3DPOINT);
    case RTENAME:
    case RTPICKS:
        return fromName(va_arg(ap, const int64_t*), type == RTPICKS);
    default:
        return std::nullopt;
    }
}

} // namespace

int acedCmdS(const resbuf* rb, bool, void*) {
    std::deque<Argument> arguments;
    for (; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == RTNONE)
            continue;
        auto argument = fromResbuf(*rb);
        if (!argument)
            return RTERROR;
        arguments.push_back(std::move(*argument));
    }
    return vma::cmd::runCommandList(std::move(arguments));
}

int acedCommandS(int rtype, ...) {
    std::deque<Argument> arguments;
    va_list ap;
    va_start(ap, rtype);
    for (int type = rtype; type != RTNONE && type != 0; type = va_arg(ap, int)) {
        auto argument = fromVarArg(type, ap);
        if (!argument) {
            va_end(ap);
            return RTERROR;
        }
        arguments.push_back(std::move(*argument));
    }
    va_end(ap);
    return vma::cmd::runCommandList(std::move(arguments));
}
