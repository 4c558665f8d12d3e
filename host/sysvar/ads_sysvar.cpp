// acedGetVar and acedSetVar: system variables at the C boundary.
#include "acedads.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/sysvar/access.h"

#include <optional>

namespace {

using vma::host::SysvarValue;
using vma::host::VarType;

std::optional<SysvarValue> fromResbuf(const resbuf& rb) {
    switch (rb.restype) {
    case RTSHORT:
        return SysvarValue::ofShort(rb.resval.rint);
    case RTLONG:
        return SysvarValue::ofInt(VarType::Long, rb.resval.rlong);
    case RTREAL:
        return SysvarValue::ofReal(rb.resval.rreal);
    case RTSTR:
        if (rb.resval.rstring == nullptr)
            return std::nullopt;
        return SysvarValue::ofText(vma::wideToUtf8(rb.resval.rstring));
    case RTPOINT:
    case RT3DPOINT: {
        const ads_real* p = rb.resval.rpoint;
        VarType type = rb.restype == RTPOINT ? VarType::Point2 : VarType::Point3;
        return SysvarValue::ofPoint(type, p[X], p[Y], rb.restype == RTPOINT ? 0 : p[Z]);
    }
    default:
        return std::nullopt;
    }
}

void toResbuf(const SysvarValue& v, resbuf& rb) {
    switch (v.type) {
    case VarType::Short:
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(v.integer);
        return;
    case VarType::Long:
        rb.restype = RTLONG;
        rb.resval.rlong = static_cast<int32_t>(v.integer);
        return;
    case VarType::Real:
        rb.restype = RTREAL;
        rb.resval.rreal = v.real;
        return;
    case VarType::Text:
        rb.restype = RTSTR;
        rb.resval.rstring = vma::mallocWide(vma::utf8ToWide(v.text));
        return;
    case VarType::Point2:
    case VarType::Point3:
        rb.restype = v.type == VarType::Point2 ? RTPOINT : RT3DPOINT;
        for (int i = 0; i < 3; ++i)
            rb.resval.rpoint[i] = v.point[static_cast<size_t>(i)];
        return;
    }
}

} // namespace

int acedGetVar(const ACHAR* sym, resbuf* result) {
    if (sym == nullptr || result == nullptr)
        return RTERROR;
    auto& session = vma::host::Session::get();
    auto value = vma::host::getSysvar(session, vma::wideToUtf8(sym));
    if (!value)
        return RTERROR;
    toResbuf(value.value(), *result);
    return RTNORM;
}

int acedSetVar(const ACHAR* sym, const resbuf* val) {
    if (sym == nullptr || val == nullptr)
        return RTERROR;
    auto value = fromResbuf(*val);
    if (!value)
        return RTERROR;
    auto& session = vma::host::Session::get();
    auto done = vma::host::setSysvar(session, vma::wideToUtf8(sym), *value);
    if (done)
        return RTNORM;
    if (done.error().code != 0)
        session.lastErrno() = done.error().code;
    return RTERROR;
}
