// acedGetSym and acedPutSym: the current document's AutoLISP symbols at the C boundary.
#include "acedads.h"
#include "host/base/text.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/db/symbol_atoms.h"

#include <optional>

namespace {

using vma::host::LispAtom;
using vma::host::LispValue;

bool isPoint(short type) {
    return type == RTPOINT || type == RT3DPOINT;
}

bool isReal(short type) {
    return type == RTREAL || type == RTANG || type == RTORINT;
}

bool isMarker(short type) {
    return type == RTLB || type == RTLE || type == RTDOTE || type == RTNIL || type == RTT;
}

std::optional<LispAtom> atomOf(const resbuf& rb) {
    LispAtom atom;
    atom.type = rb.restype;
    if (isMarker(rb.restype))
        return atom;
    if (isReal(rb.restype)) {
        atom.real[0] = rb.resval.rreal;
        return atom;
    }
    if (isPoint(rb.restype)) {
        for (size_t i = 0; i < 3; ++i)
            atom.real[i] = rb.resval.rpoint[i];
        if (rb.restype == RTPOINT)
            atom.real[2] = 0;
        return atom;
    }
    switch (rb.restype) {
    case RTSHORT:
        atom.number[0] = rb.resval.rint;
        return atom;
    case RTLONG:
        atom.number[0] = rb.resval.rlong;
        return atom;
    case RTENAME:
    case RTPICKS:
        atom.number = {rb.resval.rlname[0], rb.resval.rlname[1]};
        return atom;
    case RTSTR:
        if (rb.resval.rstring == nullptr)
            return std::nullopt;
        atom.text = rb.resval.rstring;
        return atom;
    default:
        return std::nullopt;
    }
}

// One atom, or one list whose brackets balance and whose dots sit inside it.
bool isOneValue(const LispValue& value) {
    int depth = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        short type = value[i].type;
        if (type == RTLB)
            ++depth;
        if (type == RTLE && --depth < 0)
            return false;
        if (type == RTDOTE && depth == 0)
            return false;
        if (depth == 0 && i + 1 < value.size())
            return false;
    }
    return depth == 0;
}

std::optional<LispValue> valueOf(const resbuf* list) {
    LispValue value;
    for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
        auto atom = atomOf(*rb);
        if (!atom)
            return std::nullopt;
        value.push_back(std::move(*atom));
    }
    if (!isOneValue(value))
        return std::nullopt;
    if (value.size() == 1 && value[0].type == RTNIL)
        value.clear();
    return value;
}

// A fresh list the caller frees with acutRelRb.
resbuf* listOf(const LispValue& value) {
    vma::host::RbList list;
    for (const LispAtom& atom : value) {
        resbuf* rb = list.appendNew(atom.type);
        if (rb == nullptr)
            return nullptr;
        vma::host::fillResbuf(*rb, atom);
    }
    return list.release();
}

} // namespace

int acedGetSym(const ACHAR* sname, resbuf** value) {
    if (sname == nullptr || value == nullptr || *sname == 0)
        return RTERROR;
    *value = nullptr;
    const LispValue* bound = vma::host::Session::get().current().symbols.find(sname);
    if (bound == nullptr)
        return RTNORM;
    *value = listOf(*bound);
    return *value != nullptr ? RTNORM : RTERROR;
}

int acedPutSym(const ACHAR* sname, resbuf* value) {
    if (sname == nullptr || *sname == 0)
        return RTERROR;
    auto parsed = valueOf(value);
    if (!parsed)
        return RTERROR;
    vma::host::Session::get().current().symbols.set(sname, std::move(*parsed));
    return RTNORM;
}

namespace vma::host {

void fillResbuf(resbuf& rb, const LispAtom& atom) {
    if (isReal(atom.type)) {
        rb.resval.rreal = atom.real[0];
        return;
    }
    if (isPoint(atom.type)) {
        for (size_t i = 0; i < 3; ++i)
            rb.resval.rpoint[i] = atom.real[i];
        return;
    }
    switch (atom.type) {
    case RTSHORT:
        rb.resval.rint = static_cast<short>(atom.number[0]);
        return;
    case RTLONG:
        rb.resval.rlong = static_cast<int32_t>(atom.number[0]);
        return;
    case RTENAME:
    case RTPICKS:
        rb.resval.rlname[0] = atom.number[0];
        rb.resval.rlname[1] = atom.number[1];
        return;
    case RTSTR:
        rb.resval.rstring = vma::mallocWide(atom.text);
        return;
    default:
        return;
    }
}

} // namespace vma::host
