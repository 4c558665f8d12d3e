// What the host knows of each system variable: AutoCAD's type, initial value,
// range, read-only status and where the value lives. The table grows by adding
// one line to definitions.cpp.
#pragma once

#include "host/base/error.h"
#include "host/sysvar/value.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace vma::host {

class Session;

enum class Storage : uint8_t {
    Header,   // the current drawing's DXF header as $NAME with the group code: saved in the drawing
    VPort,    // a group of the current drawing's *ACTIVE viewport: saved in the drawing
    Registry, // the session; a user preference AutoCAD keeps in the registry
    Session,  // the session, not saved
    Computed, // derived from the session or the drawing on every read
};

// The value of a Computed variable.
using ComputeFn = SysvarValue (*)(Session&);
// Stores a value (already of the variable's type) for a Computed variable that can be set.
using StoreFn = ErrorOr<void> (*)(Session&, const SysvarValue&);
// Checks a value before it is stored; may bring it to its canonical spelling.
using CheckFn = ErrorOr<SysvarValue> (*)(Session&, SysvarValue);

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct SysvarDef {
    std::string_view name;
    VarType type = VarType::Short;
    Storage storage = Storage::Session;
    int16_t code = 0; // DXF group code (Header, VPort); points use code, code+10, code+20
    // Initial value as text ("1.5", "0,0,0"). Drawing variables whose initial
    // value depends on the drawing's units give "imperial|metric".
    std::string_view initial;
    double min = -kNoLimit;
    double max = kNoLimit;
    bool readOnly = false;
    CheckFn check = nullptr;
    ComputeFn compute = nullptr;
    StoreFn store = nullptr;

    constexpr SysvarDef range(double lo, double hi) const {
        SysvarDef d = *this;
        d.min = lo;
        d.max = hi;
        return d;
    }
    constexpr SysvarDef locked() const {
        SysvarDef d = *this;
        d.readOnly = true;
        return d;
    }
    constexpr SysvarDef checked(CheckFn fn) const {
        SysvarDef d = *this;
        d.check = fn;
        return d;
    }
};

constexpr SysvarDef drawing(std::string_view name, VarType type, int code,
                            std::string_view initial) {
    return {name, type, Storage::Header, static_cast<int16_t>(code), initial};
}
constexpr SysvarDef viewport(std::string_view name, VarType type, int code,
                             std::string_view initial) {
    return {name, type, Storage::VPort, static_cast<int16_t>(code), initial};
}
constexpr SysvarDef registry(std::string_view name, VarType type, std::string_view initial) {
    return {name, type, Storage::Registry, 0, initial};
}
constexpr SysvarDef session(std::string_view name, VarType type, std::string_view initial) {
    return {name, type, Storage::Session, 0, initial};
}
// Read-only: derived on every read.
constexpr SysvarDef computed(std::string_view name, VarType type, ComputeFn get) {
    SysvarDef d{name, type, Storage::Computed};
    d.compute = get;
    d.readOnly = true;
    return d;
}
// Derived on every read, and set through the store function.
constexpr SysvarDef computed(std::string_view name, VarType type, ComputeFn get, StoreFn set) {
    SysvarDef d{name, type, Storage::Computed};
    d.compute = get;
    d.store = set;
    return d;
}

// The definition of a variable (name in any case); nullptr for an unknown name.
const SysvarDef* findSysvar(std::string_view name);
// Every definition, in alphabetical order.
std::span<const SysvarDef> sysvarDefinitions();

// The initial value of a variable, for a drawing in metric or imperial units.
SysvarValue initialValue(const SysvarDef& def, bool metric);

} // namespace vma::host
