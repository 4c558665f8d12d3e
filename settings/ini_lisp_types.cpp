#include "settings/ini_lisp_types.h"

#include "adscodes.h"
#include "settings/ini_lisp_args.h"

namespace {

int typeOfSelector(int selector) {
    switch (selector) {
    case 0:
        return RTSTR;
    case 2:
        return RTREAL;
    case 3:
        return RTPOINT;
    case 4:
        return RT3DPOINT;
    default:
        return RTSHORT;
    }
}

} // namespace

int ini_lisp_read_type(const resbuf* selector) {
    if (selector == nullptr)
        return RTSTR;
    switch (selector->restype) {
    case RTSHORT:
        return typeOfSelector(selector->resval.rint);
    case RTREAL:
        return RTREAL;
    case RTPOINT:
        return RTPOINT;
    case RTLONG:
        return RTSHORT;
    case RT3DPOINT:
        return RT3DPOINT;
    default:
        return RTSTR;
    }
}

std::optional<IniLispStored> ini_lisp_stored_value(const resbuf& given) {
    const ads_u_val& v = given.resval;
    switch (given.restype) {
    case RTREAL:
        return IniLispStored{RTREAL, DvValue::ofReal(v.rreal)};
    case RTPOINT:
        return IniLispStored{RTPOINT, DvValue::ofPoint(v.rpoint[X], v.rpoint[Y])};
    case RT3DPOINT:
        return IniLispStored{RT3DPOINT, DvValue::ofPoint(v.rpoint[X], v.rpoint[Y], v.rpoint[Z])};
    case RTSHORT:
    case RTLONG:
        return IniLispStored{RTSHORT, DvValue::ofInt(ini_lisp_integer(&given))};
    case RTSTR:
        return IniLispStored{RTSTR, DvValue::ofText(v.rstring ? v.rstring : L"")};
    default:
        return std::nullopt;
    }
}
