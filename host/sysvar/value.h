// The value of a system variable inside the host, independent of result
// buffers: the platform-API edge converts it to and from a resbuf.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vma::host {

// AutoCAD's variable types; each maps to one RT* code at the edge.
enum class VarType : uint8_t {
    Short,  // RTSHORT
    Long,   // RTLONG
    Real,   // RTREAL
    Text,   // RTSTR
    Point2, // RTPOINT
    Point3, // RT3DPOINT
};

struct SysvarValue {
    VarType type = VarType::Short;
    int64_t integer = 0;
    double real = 0;
    std::array<double, 3> point{};
    std::string text; // UTF-8

    static SysvarValue ofInt(VarType type, int64_t v) { return {type, v, 0, {}, {}}; }
    static SysvarValue ofShort(int64_t v) { return ofInt(VarType::Short, v); }
    static SysvarValue ofReal(double v) { return {VarType::Real, 0, v, {}, {}}; }
    static SysvarValue ofText(std::string v) { return {VarType::Text, 0, 0, {}, std::move(v)}; }
    static SysvarValue ofPoint(VarType type, double x, double y, double z = 0) {
        return {type, 0, 0, {x, y, z}, {}};
    }

    bool isInteger() const { return type == VarType::Short || type == VarType::Long; }
    bool isPoint() const { return type == VarType::Point2 || type == VarType::Point3; }

    friend bool operator==(const SysvarValue&, const SysvarValue&) = default;
};

} // namespace vma::host
