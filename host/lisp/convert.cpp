// Converting values to and from atoms, result buffers and entity lists.
#include "host/lisp/convert.h"

#include "acutads.h"
#include "adscodes.h"
#include "host/base/text.h"
#include "host/db/symbol_atoms.h"

namespace vma::lisp {

namespace {

using host::LispAtom;
using host::LispValue;

bool isPointList(const Value& v) {
    size_t n = 0;
    const Node* cell = v.get();
    for (; cell && cell->type == Type::Cons; cell = cell->cdr.get(), ++n)
        if (!is(cell->car, Type::Real))
            return false;
    return !cell && (n == 2 || n == 3);
}

bool appendAtoms(LispValue& out, const Value& v, bool symbolsAsText) {
    LispAtom atom;
    if (!v) {
        atom.type = RTNIL;
        out.push_back(atom);
        return true;
    }
    switch (v->type) {
    case Type::Int:
        atom.type = (v->integer >= -32768 && v->integer <= 32767) ? RTSHORT : RTLONG;
        atom.number[0] = v->integer;
        break;
    case Type::Real:
        atom.type = RTREAL;
        atom.real[0] = v->real;
        break;
    case Type::Str:
        atom.type = RTSTR;
        atom.text = v->text;
        break;
    case Type::Sym:
        if (v->text == L"T") {
            atom.type = RTT;
            break;
        }
        if (!symbolsAsText)
            return false;
        atom.type = RTSTR;
        atom.text = v->text;
        break;
    case Type::Ename:
    case Type::Pickset:
        atom.type = v->type == Type::Ename ? RTENAME : RTPICKS;
        atom.number = {v->name[0], v->name[1]};
        break;
    case Type::Cons: {
        if (isPointList(v)) {
            auto items = toVector(v);
            atom.type = items.size() == 3 ? RT3DPOINT : RTPOINT;
            for (size_t i = 0; i < items.size(); ++i)
                atom.real[i] = items[i]->real;
            break;
        }
        out.push_back(LispAtom{RTLB, {}, {}, {}});
        const Node* cell = v.get();
        for (; cell && cell->type == Type::Cons; cell = cell->cdr.get())
            if (!appendAtoms(out, cell->car, symbolsAsText))
                return false;
        if (cell) {
            out.push_back(LispAtom{RTDOTE, {}, {}, {}});
            if (!appendAtoms(out, Value(v, cell), symbolsAsText))
                return false;
        }
        atom.type = RTLE;
        break;
    }
    default:
        return false;
    }
    out.push_back(std::move(atom));
    return true;
}

Value atomValue(const LispAtom& atom) {
    switch (atom.type) {
    case RTSHORT:
    case RTLONG:
        return makeInt(static_cast<int32_t>(atom.number[0]));
    case RTREAL:
    case RTANG:
    case RTORINT:
        return makeReal(atom.real[0]);
    case RTSTR:
        return makeStr(atom.text);
    case RTT:
        return T;
    case RTENAME:
    case RTPICKS: {
        int64_t name[2] = {atom.number[0], atom.number[1]};
        return makeName(atom.type == RTENAME ? Type::Ename : Type::Pickset, name);
    }
    case RTPOINT:
        return fromVector({makeReal(atom.real[0]), makeReal(atom.real[1])});
    case RT3DPOINT:
        return fromVector({makeReal(atom.real[0]), makeReal(atom.real[1]), makeReal(atom.real[2])});
    default:
        return nullptr;
    }
}

// One value starting at atoms[i]; i moves past it.
Value parseAtoms(const LispValue& atoms, size_t& i) {
    if (i >= atoms.size())
        return nullptr;
    const LispAtom& atom = atoms[i++];
    if (atom.type != RTLB)
        return atomValue(atom);
    std::vector<Value> items;
    Value tail;
    while (i < atoms.size() && atoms[i].type != RTLE) {
        if (atoms[i].type == RTDOTE) {
            ++i;
            tail = parseAtoms(atoms, i);
            continue;
        }
        items.push_back(parseAtoms(atoms, i));
    }
    ++i;
    return fromVector(items, std::move(tail));
}

LispAtom atomOf(const resbuf& rb) {
    LispAtom atom;
    atom.type = rb.restype;
    switch (rb.restype) {
    case RTSHORT:
        atom.number[0] = rb.resval.rint;
        break;
    case RTLONG:
        atom.number[0] = rb.resval.rlong;
        break;
    case RTREAL:
    case RTANG:
    case RTORINT:
        atom.real[0] = rb.resval.rreal;
        break;
    case RTPOINT:
    case RT3DPOINT:
        for (size_t k = 0; k < 3; ++k)
            atom.real[k] = rb.resval.rpoint[k];
        break;
    case RTSTR:
        atom.text = rb.resval.rstring ? rb.resval.rstring : L"";
        break;
    case RTENAME:
    case RTPICKS:
        atom.number = {rb.resval.rlname[0], rb.resval.rlname[1]};
        break;
    default:
        break;
    }
    return atom;
}

} // namespace

std::optional<LispValue> toAtoms(const Value& v) {
    LispValue atoms;
    if (!v)
        return atoms;
    if (!appendAtoms(atoms, v, false))
        return std::nullopt;
    return atoms;
}

Value fromAtoms(const LispValue& atoms) {
    size_t i = 0;
    return parseAtoms(atoms, i);
}

host::RbList toResbufs(const Value& v) {
    LispValue atoms;
    appendAtoms(atoms, v, true);
    host::RbList list;
    for (const LispAtom& atom : atoms) {
        resbuf* rb = list.appendNew(atom.type);
        if (rb)
            host::fillResbuf(*rb, atom);
    }
    return list;
}

Value fromResbufs(const resbuf* chain, bool asList) {
    LispValue atoms;
    for (const resbuf* rb = chain; rb; rb = rb->rbnext)
        atoms.push_back(atomOf(*rb));
    if (!asList)
        return fromAtoms(atoms);
    std::vector<Value> items;
    for (size_t i = 0; i < atoms.size();)
        items.push_back(parseAtoms(atoms, i));
    return fromVector(items);
}

} // namespace vma::lisp
