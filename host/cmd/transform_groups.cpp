// The group walk behind transformGroups: what each group of an entity is (a
// world or OCS point, a vector, a length, an angle) and its value after the
// transform.
#include "host/cmd/placement.h"
#include "host/cmd/transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vma::cmd {
namespace {

using geom::Matrix;
using geom::Vec3;

enum class Role {
    Copy,
    WcsPoint,
    OcsPoint,
    Elevation, // POLYLINE 10 and LWPOLYLINE 38: only the OCS height means something
    Vector,    // scaled and turned
    OcsVector, // a vector in the OCS plane (HATCH ellipse axes, spline tangents)
    Direction, // turned, kept a unit vector
    Length,
    Angle,        // degrees in the OCS plane
    AngleRadians, // MTEXT rotation
    Extrusion,
    PatternPoint,  // HATCH pattern base point 43/44
    PatternVector, // HATCH pattern offset 45/46
};

bool isIn(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

constexpr double kDegrees = 180.0 / std::numbers::pi;

// The roles of a HATCH's groups depend on where in the boundary data they are.
struct HatchState {
    bool inPaths = false;
    bool polylinePath = false;
    int edge = 0; // 1 line, 2 arc, 3 ellipse, 4 spline
    bool pattern = false;
};

class Walker {
public:
    Walker(const db::GroupList& in, const Matrix& m, const Vec3& extrusion, int polylineFlags)
        : in_(in), m_(m), type_(in.empty() ? std::string_view() : in.text(0)),
          polylineFlags_(polylineFlags) {
        Vec3 e = extrusion;
        if (auto x = in.findReal(210))
            e = {*x, in.findReal(220).value_or(0), in.findReal(230).value_or(1)};
        oldOcs_ = Matrix::ocs(e);
        Vec3 turned = m.applyVector(e);
        double len = geom::length(turned);
        newExtrusion_ = len > 0 ? turned * (1 / len) : Vec3{0, 0, 1};
        newOcsInverse_ = transposed(Matrix::ocs(newExtrusion_));
        scale_ = m.planarScale();
        Vec3 xAxis = toNewOcsVector(m.applyVector(oldOcs_.applyVector({1, 0, 0})));
        turn_ = std::atan2(xAxis.y, xAxis.x);
        double oldElevation = in.findReal(type_ == "LWPOLYLINE" ? 38 : 30).value_or(0);
        newElevation_ = toNewOcs(m.apply(oldOcs_.apply({0, 0, oldElevation}))).z;
    }

    db::GroupList run() {
        out_.reserve(in_.size(), 0);
        for (size_t i = 0; i < in_.size();)
            i = step(i);
        finishEntityData();
        return std::move(out_);
    }

private:
    static bool isWorldZ(const Vec3& v) {
        return std::fabs(v.x) < 1e-12 && std::fabs(v.y) < 1e-12 && v.z > 0;
    }
    Vec3 toNewOcs(const Vec3& world) const { return newOcsInverse_.apply(world); }
    Vec3 toNewOcsVector(const Vec3& world) const { return newOcsInverse_.applyVector(world); }

    bool threeDPolyline() const { return (polylineFlags_ & (8 | 16 | 64)) != 0; }
    bool usesOcs() const {
        return type_ != "LINE" && type_ != "POINT" && type_ != "3DFACE" && type_ != "MTEXT" &&
               type_ != "VERTEX" && type_ != "SEQEND" && type_ != "ELLIPSE" && type_ != "SPLINE" &&
               type_ != "LEADER" && type_ != "XLINE" && type_ != "RAY" &&
               !(type_ == "POLYLINE" && threeDPolyline());
    }

    Role xdataRole(int code) const {
        if (code == 1011)
            return Role::WcsPoint;
        if (code == 1012)
            return Role::Vector;
        if (code == 1013)
            return Role::Direction;
        if (code == 1041 || code == 1042)
            return Role::Length;
        return Role::Copy;
    }

    Role hatchRole(int code, const db::GroupList& g, size_t i) {
        HatchState& h = hatch_;
        switch (code) {
        case 91:
            h.inPaths = true;
            return Role::Copy;
        case 92:
            h.polylinePath = (g.integer(i) & 2) != 0;
            h.edge = 0;
            return Role::Copy;
        case 72:
            if (!h.polylinePath)
                h.edge = static_cast<int>(g.integer(i));
            return Role::Copy;
        case 75:
            h.pattern = true;
            h.edge = 0;
            return Role::Copy;
        case 10:
            return h.inPaths ? Role::OcsPoint : Role::Elevation;
        case 11:
            return h.edge == 3 ? Role::OcsVector : Role::OcsPoint;
        case 12:
        case 13:
            return h.edge == 4 ? Role::OcsVector : Role::Copy;
        case 40:
            return h.edge == 2 ? Role::Length : Role::Copy;
        case 50:
        case 51:
            return h.edge == 2 ? Role::Angle : Role::Copy;
        case 210:
            return Role::Extrusion;
        default:
            break;
        }
        if (!h.pattern)
            return Role::Copy;
        if (code == 52 || code == 53)
            return Role::Angle;
        if (code == 41 || code == 49)
            return Role::Length;
        if (code == 43)
            return Role::PatternPoint;
        if (code == 45)
            return Role::PatternVector;
        return Role::Copy;
    }

    Role dimensionRole(int code) const {
        int kind = static_cast<int>(in_.findInt(70).value_or(0) & 7);
        bool angular = kind == 2 || kind == 5;
        if (isIn(code, {10, 13, 14, 15}))
            return Role::WcsPoint;
        if (isIn(code, {11, 12, 16}))
            return Role::OcsPoint;
        if (code == 50)
            return Role::Angle;
        if (code == 42 && !angular)
            return Role::Length;
        return code == 210 ? Role::Extrusion : Role::Copy;
    }

    Role vertexRole(int code) const {
        int flags = static_cast<int>(in_.findInt(70).value_or(0));
        bool faceRecord = (flags & 128) != 0 && (flags & 64) == 0;
        if (code == 10 && !faceRecord)
            return threeDPolyline() ? Role::WcsPoint : Role::OcsPoint;
        if (threeDPolyline())
            return Role::Copy;
        if (code == 40 || code == 41)
            return Role::Length;
        return code == 50 ? Role::Angle : Role::Copy;
    }

    Role polylineRole(int code) const {
        if (threeDPolyline())
            return Role::Copy;
        if (code == 10)
            return Role::Elevation;
        if (code == 40 || code == 41)
            return Role::Length;
        return code == 210 ? Role::Extrusion : Role::Copy;
    }

    Role commonRole(int code) const {
        std::string_view t = type_;
        if (code == 210)
            return Role::Extrusion;
        if (t == "LINE")
            return isIn(code, {10, 11}) ? Role::WcsPoint : Role::Copy;
        if (t == "POINT")
            return code == 10 ? Role::WcsPoint : Role::Copy;
        if (t == "3DFACE")
            return isIn(code, {10, 11, 12, 13}) ? Role::WcsPoint : Role::Copy;
        if (t == "SOLID" || t == "TRACE")
            return isIn(code, {10, 11, 12, 13}) ? Role::OcsPoint : Role::Copy;
        if (t == "CIRCLE" || t == "ARC") {
            if (code == 10)
                return Role::OcsPoint;
            if (code == 40)
                return Role::Length;
            return isIn(code, {50, 51}) ? Role::Angle : Role::Copy;
        }
        if (t == "TEXT" || t == "ATTRIB" || t == "ATTDEF") {
            if (code == 10 || code == 11)
                return Role::OcsPoint;
            if (code == 40)
                return Role::Length;
            return code == 50 ? Role::Angle : Role::Copy;
        }
        if (t == "MTEXT") {
            if (code == 10)
                return Role::WcsPoint;
            if (code == 11)
                return Role::Direction;
            if (isIn(code, {40, 41, 46}))
                return Role::Length;
            return code == 50 ? Role::AngleRadians : Role::Copy;
        }
        if (t == "INSERT") {
            if (code == 10)
                return Role::OcsPoint;
            if (isIn(code, {41, 42, 43, 44, 45}))
                return Role::Length;
            return code == 50 ? Role::Angle : Role::Copy;
        }
        if (t == "LWPOLYLINE") {
            if (code == 10)
                return Role::OcsPoint;
            if (code == 38)
                return Role::Elevation;
            return isIn(code, {40, 41, 43}) ? Role::Length : Role::Copy;
        }
        if (t == "ELLIPSE" || t == "XLINE" || t == "RAY") {
            if (code == 10)
                return Role::WcsPoint;
            if (code == 11)
                return t == "ELLIPSE" ? Role::Vector : Role::Direction;
            return Role::Copy;
        }
        if (t == "SPLINE") {
            if (code == 10 || code == 11)
                return Role::WcsPoint;
            return isIn(code, {12, 13}) ? Role::Vector : Role::Copy;
        }
        if (t == "LEADER") {
            if (code == 10)
                return Role::WcsPoint;
            return isIn(code, {211, 212, 213}) ? Role::Vector : Role::Copy;
        }
        return Role::Copy;
    }

    Role roleOf(size_t i) {
        int code = in_[i].code;
        if (code >= 1000)
            return xdataRole(code);
        if (i == 0)
            return Role::Copy;
        if (type_ == "HATCH")
            return hatchRole(code, in_, i);
        if (type_ == "DIMENSION")
            return dimensionRole(code);
        if (type_ == "VERTEX")
            return vertexRole(code);
        if (type_ == "POLYLINE")
            return polylineRole(code);
        return commonRole(code);
    }

    // A point of groups code, code+10 and (when given) code+20; the second code
    // of pattern points is code+1.
    size_t point(size_t i, Role role, int next) {
        int code = in_[i].code;
        if (i + 1 >= in_.size() || in_[i + 1].code != code + next) {
            out_.addFrom(in_, i);
            return i + 1;
        }
        bool hasZ = next == 10 && i + 2 < in_.size() && in_[i + 2].code == code + 20;
        double z = hasZ ? in_.real(i + 2) : role == Role::OcsPoint ? oldElevationOf2D() : 0;
        Vec3 p{in_.real(i), in_.real(i + 1), z};
        Vec3 q = transformPoint(p, role);
        out_.addReal(code, q.x);
        out_.addReal(code + next, q.y);
        if (hasZ)
            out_.addReal(code + 20, q.z);
        return i + (hasZ ? 3 : 2);
    }

    double oldElevationOf2D() const {
        if (type_ == "LWPOLYLINE")
            return in_.findReal(38).value_or(0);
        if (type_ == "HATCH")
            return in_.findReal(30).value_or(0);
        return 0;
    }

    Vec3 transformPoint(const Vec3& p, Role role) const {
        switch (role) {
        case Role::WcsPoint:
            return m_.apply(p);
        case Role::OcsPoint:
        case Role::PatternPoint:
            return toNewOcs(m_.apply(oldOcs_.apply(p)));
        case Role::Vector:
            return m_.applyVector(p);
        case Role::PatternVector:
        case Role::OcsVector:
            return toNewOcsVector(m_.applyVector(oldOcs_.applyVector(p)));
        case Role::Direction: {
            Vec3 v = m_.applyVector(p);
            double len = geom::length(v);
            return len > 0 ? v * (1 / len) : p;
        }
        default:
            return p;
        }
    }

    size_t step(size_t i) {
        Role role = roleOf(i);
        int code = in_[i].code;
        if (type_ == "LWPOLYLINE" && code == 10 && !sawElevation_)
            addElevation();
        switch (role) {
        case Role::WcsPoint:
        case Role::OcsPoint:
        case Role::Vector:
        case Role::OcsVector:
        case Role::Direction:
            return insertScales(point(i, role, 10), code);
        case Role::PatternPoint:
        case Role::PatternVector:
            return point(i, role, 1);
        case Role::Elevation:
            return elevation(i);
        case Role::Length:
            out_.addReal(code, in_.real(i) * scale_);
            return i + 1;
        case Role::Angle:
            out_.addReal(code, normalizedDegrees(in_.real(i) + turn_ * kDegrees));
            return i + 1;
        case Role::AngleRadians:
            out_.addReal(code, in_.real(i) + turn_);
            return i + 1;
        case Role::Extrusion:
            return extrusion(i);
        case Role::Copy:
            break;
        }
        if (code == 1001)
            finishEntityData();
        out_.addFrom(in_, i);
        return i + 1;
    }

    static double normalizedDegrees(double a) {
        a = std::fmod(a, 360.0);
        return a < 0 ? a + 360.0 : a;
    }

    size_t elevation(size_t i) {
        if (type_ == "LWPOLYLINE") {
            addElevation();
            return i + 1;
        }
        size_t end = i + 1;
        while (end < in_.size() && end < i + 3 && in_[end].code == in_[end - 1].code + 10)
            ++end;
        out_.addReal(in_[i].code, 0);
        if (end > i + 1)
            out_.addReal(in_[i].code + 10, 0);
        if (end > i + 2)
            out_.addReal(in_[i].code + 20, newElevation_);
        return end;
    }

    void addElevation() {
        if (sawElevation_)
            return;
        sawElevation_ = true;
        if (std::fabs(newElevation_) > 0 || in_.find(38) >= 0)
            out_.addReal(38, newElevation_);
    }

    size_t extrusion(size_t i) {
        addExtrusion();
        size_t end = i + 1;
        while (end < in_.size() && end < i + 3 && in_[end].code == in_[end - 1].code + 10)
            ++end;
        return end;
    }

    void addExtrusion() {
        sawExtrusion_ = true;
        out_.addReal(210, newExtrusion_.x);
        out_.addReal(220, newExtrusion_.y);
        out_.addReal(230, newExtrusion_.z);
    }

    // Groups left out at their defaults that the transform changes, added
    // once before the extended data: the extrusion, and a rotation of 0.
    void finishEntityData() {
        if (finished_)
            return;
        finished_ = true;
        if (!sawExtrusion_ && !isWorldZ(newExtrusion_) && usesOcs())
            addExtrusion();
        if (std::fabs(turn_) < 1e-15 || in_.find(50) >= 0)
            return;
        if (type_ == "TEXT" || type_ == "ATTRIB" || type_ == "ATTDEF" || type_ == "INSERT")
            out_.addReal(50, normalizedDegrees(turn_ * kDegrees));
        else if (type_ == "MTEXT" && in_.find(11) < 0)
            out_.addReal(50, turn_);
    }

    // An insert scaled gets its scale factors even when it had the default 1.
    size_t insertScales(size_t next, int code) {
        if (type_ != "INSERT" || code != 10 || std::fabs(scale_ - 1) < 1e-15)
            return next;
        for (int c : {41, 42, 43})
            if (in_.find(c) < 0)
                out_.addReal(c, scale_);
        return next;
    }

    const db::GroupList& in_;
    const Matrix& m_;
    std::string_view type_;
    int polylineFlags_;
    Matrix oldOcs_, newOcsInverse_;
    Vec3 newExtrusion_{};
    double scale_ = 1, turn_ = 0, newElevation_ = 0;
    bool sawExtrusion_ = false, sawElevation_ = false, finished_ = false;
    HatchState hatch_;
    db::GroupList out_;
};

} // namespace

db::GroupList transformGroups(const db::GroupList& groups, const geom::Matrix& m,
                              const geom::Vec3& extrusion, int polylineFlags) {
    return Walker(groups, m, extrusion, polylineFlags).run();
}

} // namespace vma::cmd
