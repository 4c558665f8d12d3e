#include "toolkit/dv_vars.h"

#include "acedads.h"
#include "acutads.h"
#include "toolkit/dv_print.h"

#include <cstdlib>
#include <memory>

namespace {

struct RbListDeleter {
    void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using RbList = std::unique_ptr<resbuf, RbListDeleter>;

// The single result buffer acedGetVar fills; its string is freed with it.
struct VarBuffer {
    resbuf rb{};
    ~VarBuffer() {
        if (rb.restype == RTSTR)
            std::free(rb.resval.rstring);
    }
};

bool isDxfStringGroup(int code) {
    return (code >= 0 && code <= 9) || code == 100 || code == 102 || code == 105 ||
           (code >= 300 && code <= 309) || (code >= 320 && code <= 329) ||
           (code >= 999 && code <= 1003) || (code >= 1005 && code <= 1009);
}

bool isSupported(int type) {
    return type == RTREAL || type == RTPOINT || type == RTSHORT || type == RTSTR ||
           type == RTENAME || type == RT3DPOINT || type == RTLONG;
}

bool isSettable(int type) {
    return type == RTREAL || type == RTPOINT || type == RTSHORT || type == RTSTR ||
           type == RT3DPOINT || type == RTLONG;
}

// An integer wanted as short or long accepts either; a real wanted accepts a
// real; points and the others want their own type.
bool sameKind(int have, int wanted) {
    if (wanted == RTSHORT || wanted == RTLONG)
        return have == RTSHORT || have == RTLONG;
    if (wanted == RTSTR && isDxfStringGroup(have))
        return true;
    return have == wanted;
}

void copyValue(const resbuf& rb, DvValue& out) {
    switch (rb.restype) {
    case RTREAL:
        out.real = rb.resval.rreal;
        return;
    case RTPOINT:
    case RT3DPOINT:
        ads_point_set(rb.resval.rpoint, out.point);
        return;
    case RTSHORT:
        out.integer = rb.resval.rint;
        return;
    case RTLONG:
        out.integer = rb.resval.rlong;
        return;
    case RTENAME:
        ads_name_set(rb.resval.rlname, out.name);
        return;
    default:
        out.text = rb.resval.rstring ? rb.resval.rstring : L"";
    }
}

// A result buffer holding value as type; its string points into value.
resbuf bufferOf(int type, const DvValue& value) {
    resbuf rb{};
    rb.restype = static_cast<short>(type);
    switch (type) {
    case RTREAL:
        rb.resval.rreal = value.real;
        break;
    case RTPOINT:
    case RT3DPOINT:
        ads_point_set(value.point, rb.resval.rpoint);
        break;
    case RTSHORT:
        rb.resval.rint = static_cast<short>(value.integer);
        break;
    case RTLONG:
        rb.resval.rlong = value.integer;
        break;
    case RTSTR:
        rb.resval.rstring = const_cast<ACHAR*>(value.text.c_str());
        break;
    default:
        break;
    }
    return rb;
}

} // namespace

int dv_get_sysvar(const wchar_t* name, int type, DvValue& out) {
    VarBuffer var;
    if (acedGetVar(name, &var.rb) != RTNORM)
        return DV_FAILED;
    if (var.rb.restype == RTSHORT && type == RTREAL) {
        out.real = var.rb.resval.rint;
        return 0;
    }
    if (!isSupported(type) || !sameKind(var.rb.restype, type))
        return DV_FAILED;
    copyValue(var.rb, out);
    return 0;
}

int dv_set_sysvar(const wchar_t* name, int type, const DvValue& value) {
    if (!isSettable(type))
        return DV_FAILED;
    const resbuf rb = bufferOf(type, value);
    return acedSetVar(name, &rb) == RTNORM ? 0 : DV_FAILED;
}

int dv_get_lisp_var(const wchar_t* name, int type, DvValue& out) {
    resbuf* raw = nullptr;
    if (acedGetSym(name, &raw) != RTNORM)
        return DV_FAILED;
    RbList value(raw);
    if (!value || value->restype == RTNIL)
        return 1;
    if (!isSupported(type) || !sameKind(value->restype, type))
        return -1;
    copyValue(*value, out);
    return 0;
}

int dv_set_lisp_var(const wchar_t* name, int type, const DvValue& value) {
    if (type == RTNIL)
        return acedPutSym(name, nullptr) == RTNORM ? 0 : 1;
    if (!isSettable(type)) {
        dv_printf(L"Variable type %d not implemented yet!\n", type);
        return DV_FAILED;
    }
    resbuf rb = bufferOf(type, value);
    return acedPutSym(name, &rb) == RTNORM ? 0 : 1;
}

int dv_value_from_list(const resbuf* item, int type, DvValue& out) {
    if (!item)
        return -1;
    if (!isSupported(type)) {
        dv_printf(L"Sorry, variable-type %d not implemented yet!\n", type);
        return DV_FAILED;
    }
    if (!sameKind(item->restype, type))
        return 1;
    copyValue(*item, out);
    return 0;
}

int dv_get_sysvar_int(const wchar_t* name, int& out) {
    DvValue value;
    if (dv_get_sysvar(name, RTSHORT, value) != 0)
        return DV_FAILED;
    out = value.integer;
    return 0;
}

int dv_get_sysvar_real(const wchar_t* name, double& out) {
    DvValue value;
    if (dv_get_sysvar(name, RTREAL, value) != 0)
        return DV_FAILED;
    out = value.real;
    return 0;
}

int dv_get_sysvar_string(const wchar_t* name, std::wstring& out) {
    DvValue value;
    if (dv_get_sysvar(name, RTSTR, value) != 0)
        return DV_FAILED;
    out = value.text;
    return 0;
}
